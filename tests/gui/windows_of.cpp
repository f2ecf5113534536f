#include "windows_of.h"

namespace quorvane::gui {
namespace {

struct Search {
    std::optional<DWORD> processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<Search*>(lParam);
    if (::IsWindowVisible(window) && (!search.processId || ProcessOf(window) == *search.processId)) {
        search.found.push_back(window);
    }
    return TRUE;
}

struct DescendantSearch {
    int id;
    const std::string& className;
    HWND found;
};

BOOL CALLBACK FindDescendant(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<DescendantSearch*>(lParam);
    if (::GetDlgCtrlID(window) != search.id || ClassOf(window) != search.className) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(std::optional<DWORD> processId)
{
    Search search{processId, {}};
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildrenOf(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

HWND DescendantOf(HWND parent, int id, const std::string& className)
{
    DescendantSearch search{id, className, nullptr};
    ::EnumChildWindows(parent, FindDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OwnerOf(HWND window)
{
    return ::GetWindow(window, GW_OWNER);
}

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    const auto length = ::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied =
        ::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void SetTextOf(HWND window, const std::string& text)
{
    ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Ansi(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    ansi.pop_back();
    return ansi;
}

}  // namespace quorvane::gui
