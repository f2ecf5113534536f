#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

#include "file_access.h"

namespace quorvane {
namespace {

// One system call moves at most this much, well inside a DWORD.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info)
{
    return {info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

class Win32File final : public OpenFile {
public:
    Win32File(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& info)
        : m_handle(handle),
          m_identity(IdentityOf(info)),
          m_hasLength(GetFileType(handle) == FILE_TYPE_DISK)
    {
    }
    ~Win32File() override
    {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    FileIdentity Identity() const override { return m_identity; }

    std::optional<std::size_t> Read(std::span<std::byte> buffer) override
    {
        DWORD received = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(buffer.size(), kLargestTransfer));
        if (!ReadFile(m_handle, buffer.data(), wanted, &received, nullptr)) return std::nullopt;
        return received;
    }

    bool Write(std::span<const std::byte> bytes) override
    {
        while (!bytes.empty()) {
            DWORD written = 0;
            const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
            if (!WriteFile(m_handle, bytes.data(), wanted, &written, nullptr) || written == 0) return false;
            bytes = bytes.subspan(written);
        }
        return true;
    }

    // A device has no length to cut. An empty file is left alone: on some file systems cutting a
    // file makes its close write everything out at once, a cost for nothing.
    bool Truncate() override
    {
        LARGE_INTEGER size{};
        if (!m_hasLength || (GetFileSizeEx(m_handle, &size) && size.QuadPart == 0)) return true;
        return SetFilePointerEx(m_handle, LARGE_INTEGER{}, nullptr, FILE_BEGIN) && SetEndOfFile(m_handle);
    }

    bool Close() override
    {
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
    FileIdentity m_identity;
    bool m_hasLength;
};

// Other processes may read and write the file meanwhile, as with the C runtime's streams.
constexpr DWORD kSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;

std::unique_ptr<OpenFile> Open(const std::string& path, DWORD access, DWORD disposition)
{
    const HANDLE handle =
        CreateFileA(path.c_str(), access, kSharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;

    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info);
    const bool isDirectory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // Wine run as root opens a read-only file for writing; the attribute must win all the same.
    const bool readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (!known || isDirectory || ((access & GENERIC_WRITE) && readOnly)) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32File>(handle, info);
}

class Win32FileAccess final : public FileAccess {
public:
    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override
    {
        return Open(path, GENERIC_READ, OPEN_EXISTING);
    }

    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override
    {
        return Open(path, GENERIC_WRITE, OPEN_ALWAYS);
    }

    // Deleting through a handle whose identity was checked removes exactly that file, even if the
    // name is changed between the check and the deletion. Only files on disk: a name that leads
    // to a device must never take the device with it.
    bool Remove(const std::string& path, const FileIdentity& identity) override
    {
        const HANDLE handle = CreateFileA(path.c_str(),
                                          DELETE | FILE_READ_ATTRIBUTES,
                                          kSharing | FILE_SHARE_DELETE,
                                          nullptr,
                                          OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL,
                                          nullptr);
        if (handle == INVALID_HANDLE_VALUE) return false;
        BY_HANDLE_FILE_INFORMATION info{};
        FILE_DISPOSITION_INFO disposition{TRUE};
        const bool removed = GetFileType(handle) == FILE_TYPE_DISK &&
            GetFileInformationByHandle(handle, &info) && IdentityOf(info) == identity &&
            SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
        CloseHandle(handle);
        return removed;
    }
};

}  // namespace

FileAccess& SystemFileAccess()
{
    static Win32FileAccess access;
    return access;
}

}  // namespace quorvane
