#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "built_program.h"
#include "message_box.h"
#include "windows_of.h"

namespace quorvane::gui {

// The dialog's controls, by the ids it promises.
constexpr int kFileNameId = 1000;
constexpr int kBrowseId = 1001;
constexpr int kChangeId = 1002;

struct StartOptions {
    std::string program = BuiltProgramPath();
    std::string arguments;         // after the program's own name
    std::string workingDirectory;  // empty: the test program's own
};

// One run of quorvane.exe, driven from outside as a user would: everything goes through its windows.
// A run still going when the object dies is ended, so that no test leaves a program behind.
class QuorvaneProcess {
public:
    QuorvaneProcess() = default;
    ~QuorvaneProcess();
    QuorvaneProcess(const QuorvaneProcess&) = delete;
    QuorvaneProcess& operator=(const QuorvaneProcess&) = delete;

    // Starts the program and waits for its dialog; false if either fails.
    bool Start(const StartOptions& options = {});
    DWORD ProcessId() const { return m_process.dwProcessId; }

    HWND Dialog() const { return m_dialog; }
    HWND Control(int id) const { return ::GetDlgItem(m_dialog, id); }
    std::string FieldText() const;
    void SetFieldText(const std::string& text) const;
    // Posted, not sent: the handler may open a modal window, and a sent click would wait for it.
    void Click(int id) const;
    // A key pressed where the focus is, as the dialog's own message loop receives it.
    void PressKey(WORD virtualKey) const;
    // Keys pressed together and let go, through the system's input queue as a keyboard would give
    // them: unlike a posted key, they change the state GetKeyState sees (Shift held, say).
    void PressChord(std::initializer_list<WORD> virtualKeys) const;
    // The id of the dialog's control that has the focus; 0 if none of them has.
    int FocusedControlId() const;

    // A top-level window of this process other than the dialog, such as a message box or the
    // file-open dialog, once one is there that is wanted; nothing if none comes.
    std::optional<HWND> WaitForOtherWindow(const std::function<bool(HWND)>& wanted) const;
    std::optional<MessageBoxView> WaitForMessageBox() const;
    // Answers the box and waits until it is gone.
    bool DismissMessageBox(const MessageBoxView& box) const;

    // Waits for the process to end; its exit code, or nothing if it does not end.
    std::optional<DWORD> WaitForExit() const;
    bool IsRunning() const;

private:
    PROCESS_INFORMATION m_process{};
    HWND m_dialog = nullptr;
};

}  // namespace quorvane::gui
