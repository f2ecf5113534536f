#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorvane::gui {

// Another process's windows come and go on their own time: every wait polls, and gives up in the end.
constexpr std::chrono::milliseconds kPollInterval{50};
constexpr std::chrono::milliseconds kPatience{5000};

// Polls until the probe gives something, or the patience runs out; then the probe's empty value.
template <class Probe> auto WaitFor(Probe probe, std::chrono::milliseconds patience = kPatience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        auto found = probe();
        if (found || std::chrono::steady_clock::now() >= deadline) return found;
        std::this_thread::sleep_for(kPollInterval);
    }
}

// Visible top-level windows, of one process or of any.
std::vector<HWND> TopLevelWindowsOf(std::optional<DWORD> processId);
std::vector<HWND> ChildrenOf(HWND parent);  // direct children, in z-order (the template's order)

// The first window at any depth below the parent with this id and class; null if none.
HWND DescendantOf(HWND parent, int id, const std::string& className);

HWND OwnerOf(HWND window);
DWORD ProcessOf(HWND window);
std::string ClassOf(HWND window);
// Texts in the ANSI code page. Asked by message: a window text of another process is not read otherwise.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& text);

// An ANSI text of a wide literal, for comparing with what the program shows in Chinese.
std::string Ansi(const wchar_t* text);

}  // namespace quorvane::gui
