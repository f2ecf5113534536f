#include "child_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <thread>

extern char** environ;

namespace quorvane::testing {

struct ChildProcess::State {
    pid_t pid = -1;
};

ChildProcess::ChildProcess(const std::string& programName, const std::vector<std::string>& arguments)
    : m_state(std::make_unique<State>())
{
    const std::string program =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / programName).string();
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&m_state->pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        m_state->pid = -1;
    }
}

ChildProcess::~ChildProcess()
{
    if (m_state->pid > 0) {
        ::kill(m_state->pid, SIGKILL);
        ::waitpid(m_state->pid, nullptr, 0);
    }
}

bool ChildProcess::Started() const
{
    return m_state->pid > 0;
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit)
{
    if (m_state->pid <= 0) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(m_state->pid, &status, WNOHANG);
        if (ended == m_state->pid) {
            m_state->pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (ended < 0 || std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(m_state->pid, SIGKILL);
    ::waitpid(m_state->pid, nullptr, 0);
    m_state->pid = -1;
    return std::nullopt;
}

}  // namespace quorvane::testing
