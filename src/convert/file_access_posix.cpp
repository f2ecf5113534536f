#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_access.h"

namespace quorvane {
namespace {

FileIdentity IdentityOf(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

class PosixFile final : public OpenFile {
public:
    PosixFile(int descriptor, const struct stat& status)
        : m_descriptor(descriptor),
          m_identity(IdentityOf(status)),
          m_hasLength(S_ISREG(status.st_mode))
    {
    }
    ~PosixFile() override
    {
        if (m_descriptor >= 0) ::close(m_descriptor);
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    FileIdentity Identity() const override { return m_identity; }

    std::optional<std::size_t> Read(std::span<std::byte> buffer) override
    {
        for (;;) {
            const ssize_t received = ::read(m_descriptor, buffer.data(), buffer.size());
            if (received >= 0) return static_cast<std::size_t>(received);
            if (errno != EINTR) return std::nullopt;
        }
    }

    bool Write(std::span<const std::byte> bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
            if (written > 0) {
                bytes = bytes.subspan(static_cast<std::size_t>(written));
            } else if (written == 0 || errno != EINTR) {
                return false;
            }
        }
        return true;
    }

    // A device has no length to cut. An empty file is left alone: on some file systems cutting a
    // file makes its close write everything out at once, a cost for nothing.
    bool Truncate() override
    {
        struct stat status {};
        if (!m_hasLength || (::fstat(m_descriptor, &status) == 0 && status.st_size == 0)) return true;
        return ::ftruncate(m_descriptor, 0) == 0 && ::lseek(m_descriptor, 0, SEEK_SET) == 0;
    }

    bool Close() override
    {
        const int result = ::close(m_descriptor);
        m_descriptor = -1;
        return result == 0;
    }

private:
    int m_descriptor;
    FileIdentity m_identity;
    bool m_hasLength;
};

enum class Purpose { Reading, Writing };

std::unique_ptr<OpenFile> Open(const std::string& path, Purpose purpose)
{
    const int flags = purpose == Purpose::Reading ? O_RDONLY : O_WRONLY | O_CREAT;
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (descriptor < 0) return nullptr;

    struct stat status {};
    const bool usable = ::fstat(descriptor, &status) == 0 && !S_ISDIR(status.st_mode);
    // Root may write a file without write permission; treat it as read-only all the same.
    const bool readOnly = S_ISREG(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (!usable || (purpose == Purpose::Writing && readOnly)) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<PosixFile>(descriptor, status);
}

class PosixFileAccess final : public FileAccess {
public:
    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override
    {
        return Open(path, Purpose::Reading);
    }

    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override
    {
        return Open(path, Purpose::Writing);
    }

    bool Remove(const std::string& path, const FileIdentity& identity) override
    {
        struct stat status {};
        return ::stat(path.c_str(), &status) == 0 && IdentityOf(status) == identity &&
            ::unlink(path.c_str()) == 0;
    }
};

}  // namespace

FileAccess& SystemFileAccess()
{
    static PosixFileAccess access;
    return access;
}

}  // namespace quorvane
