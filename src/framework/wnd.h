#pragma once

#include <string>

#include "cmd_target.h"

// A window handle with a few helpers. It owns nothing: the window's life is the system's.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    UINT m_nIDHelp = 0;  // the help topic of this window, relative to the resource base

    operator HWND() const { return m_hWnd; }
    void Attach(HWND window) { m_hWnd = window; }
    void Detach() { m_hWnd = nullptr; }

    // The whole text, however long.
    std::string GetWindowText() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

protected:
    // Leaves the message being handled to the system's default processing.
    void Default() { m_bDefaultProcessing = true; }
    bool m_bDefaultProcessing = false;
};

class CEdit : public CWnd {};
