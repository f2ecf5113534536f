#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::testing {

using Bytes = std::vector<std::uint8_t>;

// A fresh directory for one test, removed with everything in it afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The path text of a name inside the directory, as the program would be given it.
    std::string PathOf(const std::string& name) const;
    void Write(const std::string& name, const Bytes& bytes) const;
    // The file's content, or nothing if there is no such file.
    std::optional<Bytes> Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::filesystem::path m_root;
};

}  // namespace quorvane::testing
