#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::testing {

// A helper program of the tests running as another process: it shares no memory, no file
// positions and no locks with the test. Every wait on it is bounded.
class ChildProcess {
public:
    // Starts the program of that file name from this test program's own folder.
    ChildProcess(const std::string& programName, const std::vector<std::string>& arguments);
    ~ChildProcess();  // a child still running is killed
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const;
    // The exit code, or nothing if the child has not ended within the limit; it is then killed.
    std::optional<int> Wait(std::chrono::milliseconds limit);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace quorvane::testing
