#pragma once

#include <string>
#include <vector>

#include "windows_of.h"

namespace quorvane::gui {

// Child ids of the system's message box.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 1088;

// A message box as a user sees it.
struct MessageBoxView {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    bool hasIcon = false;
    std::vector<int> buttonIds;
};

bool IsMessageBox(HWND window);
MessageBoxView ReadMessageBox(HWND box);
// Presses one of its buttons, as a click would; the box then goes away.
void Answer(HWND box, int buttonId);

}  // namespace quorvane::gui
