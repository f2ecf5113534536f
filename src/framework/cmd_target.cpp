#include "cmd_target.h"

const CCmdTarget::MessageMap* CCmdTarget::GetMessageMap() const
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

const CCmdTarget::MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT notifyCode, UINT id) const
{
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const MessageMapEntry& entry : map->entries) {
            const bool isCommand = message == WM_COMMAND;
            if (entry.message == message &&
                (!isCommand || (entry.id == id && entry.notifyCode == notifyCode))) {
                return &entry;
            }
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT notifyCode)
{
    const MessageMapEntry* entry = FindEntry(WM_COMMAND, notifyCode, id);
    if (entry == nullptr) return false;
    (this->*entry->handler)();
    return true;
}
