#include "message_box.h"

namespace quorvane::gui {

bool IsMessageBox(HWND window)
{
    return ClassOf(window) == "#32770" && ::GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

MessageBoxView ReadMessageBox(HWND box)
{
    MessageBoxView view{.window = box,
                        .owner = OwnerOf(box),
                        .caption = TextOf(box),
                        .text = TextOf(::GetDlgItem(box, kMessageBoxTextId)),
                        .hasIcon = ::GetDlgItem(box, kMessageBoxIconId) != nullptr,
                        .buttonIds = {}};
    for (HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Button" && ::IsWindowVisible(child))
            view.buttonIds.push_back(::GetDlgCtrlID(child));
    }
    return view;
}

void Answer(HWND box, int buttonId)
{
    ::PostMessageA(::GetDlgItem(box, buttonId), BM_CLICK, 0, 0);
}

}  // namespace quorvane::gui
