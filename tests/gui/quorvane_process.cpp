#include "quorvane_process.h"

#include <iterator>

namespace quorvane::gui {

QuorvaneProcess::~QuorvaneProcess()
{
    if (m_process.hProcess == nullptr) return;
    if (IsRunning()) {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(kPatience.count()));
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool QuorvaneProcess::Start(const StartOptions& options)
{
    std::string commandLine = '"' + options.program + '"';
    if (!options.arguments.empty()) commandLine += ' ' + options.arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(options.program.c_str(),
                          commandLine.data(),
                          nullptr,
                          nullptr,
                          FALSE,
                          0,
                          nullptr,
                          options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str(),
                          &startup,
                          &m_process)) {
        return false;
    }
    const DWORD processId = m_process.dwProcessId;
    m_dialog = WaitFor([processId]() -> HWND {
        for (HWND window : TopLevelWindowsOf(processId)) {
            if (ClassOf(window) == "#32770" && OwnerOf(window) == nullptr) return window;
        }
        return nullptr;
    });
    return m_dialog != nullptr;
}

std::string QuorvaneProcess::FieldText() const
{
    return TextOf(Control(kFileNameId));
}

void QuorvaneProcess::SetFieldText(const std::string& text) const
{
    SetTextOf(Control(kFileNameId), text);
}

void QuorvaneProcess::Click(int id) const
{
    ::PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void QuorvaneProcess::PressKey(WORD virtualKey) const
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!::GetGUIThreadInfo(m_process.dwThreadId, &thread) || thread.hwndFocus == nullptr) return;
    const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageA(thread.hwndFocus, WM_KEYDOWN, virtualKey, scanCode | 1);
    ::PostMessageA(thread.hwndFocus, WM_KEYUP, virtualKey, scanCode | 1 | LPARAM{3} << 30);
}

void QuorvaneProcess::PressChord(std::initializer_list<WORD> virtualKeys) const
{
    std::vector<INPUT> inputs;
    for (const WORD key : virtualKeys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SetForegroundWindow(m_dialog);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int QuorvaneProcess::FocusedControlId() const
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!::GetGUIThreadInfo(m_process.dwThreadId, &thread) || thread.hwndFocus == nullptr) return 0;
    return ::GetParent(thread.hwndFocus) == m_dialog ? ::GetDlgCtrlID(thread.hwndFocus) : 0;
}

std::optional<HWND> QuorvaneProcess::WaitForOtherWindow(const std::function<bool(HWND)>& wanted) const
{
    const HWND found = WaitFor([&]() -> HWND {
        for (HWND window : TopLevelWindowsOf(m_process.dwProcessId)) {
            if (window != m_dialog && wanted(window)) return window;
        }
        return nullptr;
    });
    if (found == nullptr) return std::nullopt;
    return found;
}

std::optional<MessageBoxView> QuorvaneProcess::WaitForMessageBox() const
{
    const std::optional<HWND> box = WaitForOtherWindow(IsMessageBox);
    if (!box) return std::nullopt;
    return ReadMessageBox(*box);
}

bool QuorvaneProcess::DismissMessageBox(const MessageBoxView& box) const
{
    Answer(box.window, IDOK);
    return WaitFor([&] { return !::IsWindow(box.window); });
}

std::optional<DWORD> QuorvaneProcess::WaitForExit() const
{
    if (::WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(kPatience.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    ::GetExitCodeProcess(m_process.hProcess, &exitCode);
    return exitCode;
}

bool QuorvaneProcess::IsRunning() const
{
    return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace quorvane::gui
