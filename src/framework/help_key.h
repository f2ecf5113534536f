#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// While it lives, F1 pressed in the main window or one of its controls, with neither Shift, Ctrl
// nor Alt, sends the main window the help command; F1 with any of them does nothing. A modal
// dialog's own loop hides its keys from the program, so a message filter hook sees them first.
class CHelpKeyFilter {
public:
    CHelpKeyFilter();
    ~CHelpKeyFilter();
    CHelpKeyFilter(const CHelpKeyFilter&) = delete;
    CHelpKeyFilter& operator=(const CHelpKeyFilter&) = delete;

private:
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
};
