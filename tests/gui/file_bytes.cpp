#include "file_bytes.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

namespace quorvane::gui {

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    // A test whose files are not there would show nothing, so it fails.
    if (file == INVALID_HANDLE_VALUE ||
        !::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        ADD_FAILURE() << "could not write " << path;
    }
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
}

std::optional<Bytes> ReadBytes(const std::string& path)
{
    const HANDLE file = ::CreateFileA(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    Bytes bytes(::GetFileSize(file, nullptr));
    DWORD received = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &received, nullptr);
    ::CloseHandle(file);
    bytes.resize(received);
    return bytes;
}

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Tree TreeOf(const std::string& directory)
{
    Tree tree;
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return tree;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = directory + "\\" + name;
        if (IsDirectory(path)) {
            tree.emplace(path, std::nullopt);
            tree.merge(TreeOf(path));
        } else {
            tree.emplace(path, ReadBytes(path));
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return tree;
}

}  // namespace quorvane::gui
