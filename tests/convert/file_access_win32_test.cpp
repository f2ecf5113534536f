#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "word_rotation.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::ScratchDir;

// Another process holding a file without sharing it, as an editor or a backup tool may.
class HeldWithoutSharing {
public:
    explicit HeldWithoutSharing(const std::string& path)
        : m_handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~HeldWithoutSharing() { CloseHandle(m_handle); }
    HeldWithoutSharing(const HeldWithoutSharing&) = delete;
    HeldWithoutSharing& operator=(const HeldWithoutSharing&) = delete;
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

TEST(Win32FileAccess, FileHeldWithoutSharingDoesNotOpen)
{
    ScratchDir dir;
    dir.Write("in.bin", {1, 2});
    dir.Write("inchg.bin", {5, 5, 5});
    {
        const HeldWithoutSharing input(dir.PathOf("in.bin"));
        ASSERT_TRUE(input.Held());
        EXPECT_EQ(ConvertFile(dir.PathOf("in.bin"), {}, SystemFileAccess()), ConversionOutcome::OpenFailed);
    }
    {
        const HeldWithoutSharing output(dir.PathOf("inchg.bin"));
        ASSERT_TRUE(output.Held());
        EXPECT_EQ(ConvertFile(dir.PathOf("in.bin"), {}, SystemFileAccess()), ConversionOutcome::OpenFailed);
    }
    EXPECT_EQ(dir.Read("inchg.bin"), (Bytes{5, 5, 5}));
}

// While converting, other programs may read both files, as they could with the C runtime's streams.
TEST(Win32FileAccess, OpenFilesStayReadableByOthers)
{
    ScratchDir dir;
    dir.Write("in.bin", {0x34, 0x12});
    auto& files = SystemFileAccess();
    const auto input = files.OpenForReading(dir.PathOf("in.bin"));
    const auto output = files.OpenForWriting(dir.PathOf("out.bin"));
    ASSERT_TRUE(input && output);
    for (const char* name : {"in.bin", "out.bin"}) {
        const HANDLE other = CreateFileA(dir.PathOf(name).c_str(),
                                         GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr,
                                         OPEN_EXISTING,
                                         0,
                                         nullptr);
        EXPECT_NE(other, INVALID_HANDLE_VALUE) << name;
        CloseHandle(other);
    }
    EXPECT_TRUE(input->Close());
    EXPECT_TRUE(output->Close());
}

TEST(Win32FileAccess, RemoveLeavesADifferentFileAlone)
{
    ScratchDir dir;
    dir.Write("a.bin", {1});
    dir.Write("b.bin", {2});
    auto& files = SystemFileAccess();
    const auto a = files.OpenForReading(dir.PathOf("a.bin"));
    ASSERT_TRUE(a);
    const FileIdentity identityOfA = a->Identity();
    ASSERT_TRUE(a->Close());
    EXPECT_FALSE(files.Remove(dir.PathOf("b.bin"), identityOfA));
    EXPECT_TRUE(dir.Exists("b.bin"));
    EXPECT_TRUE(files.Remove(dir.PathOf("a.bin"), identityOfA));
    EXPECT_FALSE(dir.Exists("a.bin"));
}

}  // namespace
}  // namespace quorvane
