#include "help_key.h"

#include "win_app.h"

namespace {

bool IsHeld(int virtualKey)
{
    return ::GetKeyState(virtualKey) < 0;
}

bool IsInMainWindow(HWND window)
{
    const HWND main = AfxGetMainWnd() != nullptr ? AfxGetMainWnd()->m_hWnd : nullptr;
    return main != nullptr && (window == main || ::IsChild(main, window));
}

}  // namespace

CHelpKeyFilter::CHelpKeyFilter()
    : m_hHook(::SetWindowsHookExA(WH_MSGFILTER, FilterProc, nullptr, ::GetCurrentThreadId()))
{
}

CHelpKeyFilter::~CHelpKeyFilter()
{
    if (m_hHook != nullptr) ::UnhookWindowsHookEx(m_hHook);
}

LRESULT CALLBACK CHelpKeyFilter::FilterProc(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && message->wParam == VK_F1 &&
        IsInMainWindow(message->hwnd)) {
        if (!IsHeld(VK_SHIFT) && !IsHeld(VK_CONTROL) && !IsHeld(VK_MENU)) {
            ::SendMessageA(AfxGetMainWnd()->m_hWnd, WM_COMMAND, ID_HELP, 0);
        }
        return TRUE;  // handled: the dialog manager must not turn it into a help request of its own
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
