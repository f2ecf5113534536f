#include "wnd.h"

std::string CWnd::GetWindowText() const
{
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}
