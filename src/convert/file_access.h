#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace quorvane {

// What tells two open files apart: two paths that lead to one file (a hard or symbolic link) give
// equal identities.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// An open file, unbuffered: each call reaches the system, so each failure is seen where it happens.
// Both kinds are opened with sharing that lets other processes read and write the file meanwhile.
class OpenFile {
public:
    virtual ~OpenFile() = default;  // implementations close a file that is still open

    virtual FileIdentity Identity() const = 0;
    // The number of bytes read, 0 at the end of the file, nothing on a read error.
    virtual std::optional<std::size_t> Read(std::span<std::byte> buffer) = 0;
    // Writes all the bytes or fails.
    virtual bool Write(std::span<const std::byte> bytes) = 0;
    // Cuts the file to length zero; the next write goes to its start.
    virtual bool Truncate() = 0;
    virtual bool Close() = 0;
};

// The one place where the conversion touches the platform's file system.
class FileAccess {
public:
    virtual ~FileAccess() = default;

    // An existing file, read only. Fails for a missing file or a directory.
    virtual std::unique_ptr<OpenFile> OpenForReading(const std::string& path) = 0;
    // Created if missing, otherwise opened as it is, not yet truncated. Fails for a directory and
    // for a read-only file, also when the process has rights that would let it write anyway.
    virtual std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) = 0;
    // Removes the file at path only if it is still the file of that identity.
    virtual bool Remove(const std::string& path, const FileIdentity& identity) = 0;
};

// The platform's own file system.
FileAccess& SystemFileAccess();

}  // namespace quorvane
