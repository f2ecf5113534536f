#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <span>

// The base of everything that handles commands and messages through a table of its own class,
// searched before the table of its base class.
class CCmdTarget {
public:
    using Handler = void (CCmdTarget::*)();
    using CursorHandler = HCURSOR (CCmdTarget::*)();

    struct MessageMapEntry {
        UINT message;     // WM_COMMAND for commands
        UINT notifyCode;  // commands only
        UINT id;          // commands only
        Handler handler;
        CursorHandler cursorHandler;  // set instead of handler for messages answered with a cursor
    };

    struct MessageMap {
        const MessageMap* base;
        std::span<const MessageMapEntry> entries;
    };

    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;

    // Runs the handler of a command if the tables have one.
    bool OnCmdMsg(UINT id, UINT notifyCode);

protected:
    const MessageMapEntry* FindEntry(UINT message, UINT notifyCode, UINT id) const;

    template <class Target>
    static MessageMapEntry OnCommand(UINT id, UINT notifyCode, void (Target::*handler)())
    {
        return {WM_COMMAND, notifyCode, id, static_cast<Handler>(handler), nullptr};
    }
    template <class Target> static MessageMapEntry OnMessage(UINT message, void (Target::*handler)())
    {
        return {message, 0, 0, static_cast<Handler>(handler), nullptr};
    }
    template <class Target> static MessageMapEntry OnCursorMessage(UINT message, HCURSOR (Target::*handler)())
    {
        return {message, 0, 0, nullptr, static_cast<CursorHandler>(handler)};
    }
};
