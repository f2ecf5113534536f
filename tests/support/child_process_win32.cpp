#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "child_process.h"

namespace quorvane::testing {

struct ChildProcess::State {
    HANDLE process = nullptr;
};

namespace {

// A terminated process ends at once; the bound only keeps a broken system from hanging the test.
constexpr DWORD kEndingLimit = 10000;

std::string ThisProgramsFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of("\\/") + 1);
}

// The arguments are paths and numbers: quoting each is enough, none holds a quote.
std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string line = '"' + program + '"';
    for (const std::string& argument : arguments) line += " \"" + argument + '"';
    return line;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& programName, const std::vector<std::string>& arguments)
    : m_state(std::make_unique<State>())
{
    const std::string program = ThisProgramsFolder() + programName;
    std::string line = CommandLine(program, arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(
            program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        m_state->process = info.hProcess;
    }
}

ChildProcess::~ChildProcess()
{
    if (m_state->process) {
        TerminateProcess(m_state->process, 1);
        WaitForSingleObject(m_state->process, kEndingLimit);
        CloseHandle(m_state->process);
    }
}

bool ChildProcess::Started() const
{
    return m_state->process != nullptr;
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit)
{
    if (!m_state->process) return std::nullopt;
    std::optional<int> code;
    if (WaitForSingleObject(m_state->process, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        if (GetExitCodeProcess(m_state->process, &exitCode)) code = static_cast<int>(exitCode);
    } else {
        TerminateProcess(m_state->process, 1);
        WaitForSingleObject(m_state->process, kEndingLimit);
    }
    CloseHandle(m_state->process);
    m_state->process = nullptr;
    return code;
}

}  // namespace quorvane::testing
