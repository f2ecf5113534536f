#include "scratch_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

namespace quorvane::testing {

ScratchDir::ScratchDir()
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_root = std::filesystem::temp_directory_path() /
        ("quorvane-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_root);
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    // Read-only files left by a test must not stop the clean-up.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root, ignored)) {
        std::filesystem::permissions(
            entry.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(m_root, ignored);
}

std::string ScratchDir::PathOf(const std::string& name) const
{
    return (m_root / name).string();
}

void ScratchDir::Write(const std::string& name, const Bytes& bytes) const
{
    std::ofstream file(m_root / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::optional<Bytes> ScratchDir::Read(const std::string& name) const
{
    if (!std::filesystem::is_regular_file(m_root / name)) return std::nullopt;
    std::ifstream file(m_root / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool ScratchDir::Exists(const std::string& name) const
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(m_root / name, ignored));
}

}  // namespace quorvane::testing
