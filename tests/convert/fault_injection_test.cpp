#include <gtest/gtest.h>

#include "case_name.h"

#include <set>

#include "rotated_words.h"
#include "scratch_dir.h"
#include "word_rotation.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::ScratchDir;

enum class Fault {
    OpenInput,
    OpenOutput,
    Truncate,
    FirstRead,
    LaterRead,
    FirstWrite,
    LaterWrite,
    CloseInput,
    CloseOutput,
    Remove,
};

// The system's file access with chosen operations made to fail, counting what is left open.
// Reads can also be cut short, as a pipe or a network file may deliver them.
class FaultyFileAccess final : public FileAccess {
public:
    FaultyFileAccess(std::set<Fault> faults, std::size_t longestRead)
        : m_faults(std::move(faults)),
          m_longestRead(longestRead)
    {
    }

    int openFiles = 0;

    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override
    {
        return Wrap(Has(Fault::OpenInput) ? nullptr : SystemFileAccess().OpenForReading(path), true);
    }
    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override
    {
        return Wrap(Has(Fault::OpenOutput) ? nullptr : SystemFileAccess().OpenForWriting(path), false);
    }
    bool Remove(const std::string& path, const FileIdentity& identity) override
    {
        return !Has(Fault::Remove) && SystemFileAccess().Remove(path, identity);
    }

private:
    class File final : public OpenFile {
    public:
        File(FaultyFileAccess& owner, std::unique_ptr<OpenFile> inner, bool isInput)
            : m_owner(owner),
              m_inner(std::move(inner)),
              m_isInput(isInput)
        {
            ++m_owner.openFiles;
        }

        FileIdentity Identity() const override { return m_inner->Identity(); }
        std::optional<std::size_t> Read(std::span<std::byte> buffer) override
        {
            if (m_owner.Has(++m_reads == 1 ? Fault::FirstRead : Fault::LaterRead)) return std::nullopt;
            return m_inner->Read(buffer.first(std::min(buffer.size(), m_owner.m_longestRead)));
        }
        bool Write(std::span<const std::byte> bytes) override
        {
            const bool failed = m_owner.Has(++m_writes == 1 ? Fault::FirstWrite : Fault::LaterWrite);
            return m_inner->Write(failed ? bytes.first(bytes.size() / 2) : bytes) && !failed;
        }
        bool Truncate() override { return !m_owner.Has(Fault::Truncate) && m_inner->Truncate(); }
        bool Close() override
        {
            --m_owner.openFiles;
            return m_inner->Close() && !m_owner.Has(m_isInput ? Fault::CloseInput : Fault::CloseOutput);
        }

    private:
        FaultyFileAccess& m_owner;
        std::unique_ptr<OpenFile> m_inner;
        bool m_isInput;
        int m_reads = 0;
        int m_writes = 0;
    };

    bool Has(Fault fault) const { return m_faults.count(fault) != 0; }
    std::unique_ptr<OpenFile> Wrap(std::unique_ptr<OpenFile> file, bool isInput)
    {
        if (!file) return nullptr;
        return std::make_unique<File>(*this, std::move(file), isInput);
    }

    std::set<Fault> m_faults;
    std::size_t m_longestRead;
};

enum class OutputAfter { OldContentKept, Removed, Emptied };

struct FaultCase {
    const char* name;
    std::set<Fault> faults;
    ConversionOutcome outcome;
    OutputAfter output;
    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class FaultInjection : public ::testing::TestWithParam<FaultCase> {};

// Larger than one block, so that there are later reads and writes to fail.
Bytes Input()
{
    Bytes bytes((std::size_t{3} << 20) / 2 + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

TEST_P(FaultInjection, ReportsHonestlyAndLosesNothing)
{
    const FaultCase& c = GetParam();
    ScratchDir dir;
    const Bytes input = Input();
    const Bytes oldOutput = {9, 9, 9};
    dir.Write("in.bin", input);
    dir.Write("inchg.bin", oldOutput);

    FaultyFileAccess files(c.faults, SIZE_MAX);
    EXPECT_EQ(ConvertFile(dir.PathOf("in.bin"), {}, files), c.outcome);
    EXPECT_EQ(files.openFiles, 0) << "every file opened is closed";
    EXPECT_EQ(dir.Read("in.bin"), input);
    switch (c.output) {
    case OutputAfter::OldContentKept: EXPECT_EQ(dir.Read("inchg.bin"), oldOutput); break;
    case OutputAfter::Removed: EXPECT_FALSE(dir.Exists("inchg.bin")); break;
    case OutputAfter::Emptied: EXPECT_EQ(dir.Read("inchg.bin"), Bytes{}); break;
    }
}

using enum ConversionOutcome;
INSTANTIATE_TEST_SUITE_P(
    EachFailurePoint,
    FaultInjection,
    ::testing::Values(
        FaultCase{"OpenInput", {Fault::OpenInput}, OpenFailed, OutputAfter::OldContentKept},
        FaultCase{"OpenOutput", {Fault::OpenOutput}, OpenFailed, OutputAfter::OldContentKept},
        FaultCase{"Truncate", {Fault::Truncate}, OpenFailed, OutputAfter::OldContentKept},
        FaultCase{"FirstRead", {Fault::FirstRead}, ReadFailed, OutputAfter::Removed},
        FaultCase{"LaterRead", {Fault::LaterRead}, ReadFailed, OutputAfter::Removed},
        FaultCase{"FirstWrite", {Fault::FirstWrite}, WriteFailed, OutputAfter::Removed},
        FaultCase{"LaterWrite", {Fault::LaterWrite}, WriteFailed, OutputAfter::Removed},
        FaultCase{"CloseInput", {Fault::CloseInput}, ReadFailed, OutputAfter::Removed},
        FaultCase{"CloseOutput", {Fault::CloseOutput}, WriteFailed, OutputAfter::Removed},
        FaultCase{
            "RemoveAfterWriteFailure", {Fault::LaterWrite, Fault::Remove}, WriteFailed, OutputAfter::Emptied},
        FaultCase{
            "RemoveAfterReadFailure", {Fault::FirstRead, Fault::Remove}, ReadFailed, OutputAfter::Emptied}),
    testing::CaseName());

// Reads of odd sizes leave a lone byte at the end of a block; it must wait for its partner.
TEST(ShortReads, LoneBytesAreCarriedToTheNextBlock)
{
    ScratchDir dir;
    const Bytes input = Input();
    dir.Write("in.bin", input);
    for (const std::size_t longestRead : {std::size_t{1}, std::size_t{3}, std::size_t{4093}}) {
        FaultyFileAccess files({}, longestRead);
        ASSERT_EQ(ConvertFile(dir.PathOf("in.bin"), {}, files), Converted);
        EXPECT_EQ(dir.Read("inchg.bin"), testing::RotatedWords(input)) << "reads of at most " << longestRead;
    }
}

}  // namespace
}  // namespace quorvane
