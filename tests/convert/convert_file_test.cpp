#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "rotated_words.h"
#include "scratch_dir.h"
#include "word_rotation.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::ScratchDir;

const LeadByteSet kGbk = LeadByteSet::ForCodePage(936, {});

class ConvertFileTest : public ::testing::Test {
protected:
    ConversionOutcome Convert(const std::string& name) const
    {
        return ConvertFile(m_dir.PathOf(name), kGbk, SystemFileAccess());
    }

    ScratchDir m_dir;
};

Bytes RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    return bytes;
}

struct VectorCase {
    Bytes input;
    Bytes output;
    friend void PrintTo(const VectorCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.input); }
};

class ConversionVectors : public ConvertFileTest, public ::testing::WithParamInterface<VectorCase> {};

TEST_P(ConversionVectors, WritesRotatedWordsAndLeavesInputAlone)
{
    m_dir.Write("data.bin", GetParam().input);
    EXPECT_EQ(Convert("data.bin"), ConversionOutcome::Converted);
    EXPECT_EQ(m_dir.Read("datachg.bin"), GetParam().output);
    EXPECT_EQ(m_dir.Read("data.bin"), GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(Table,
                         ConversionVectors,
                         ::testing::Values(VectorCase{{0xCD, 0xAB}, {0xDA, 0xBC}},
                                           VectorCase{{0x34, 0x12}, {0x41, 0x23}},
                                           VectorCase{{0x00, 0xF0}, {0x0F, 0x00}},
                                           VectorCase{{0x01, 0x00}, {0x10, 0x00}},
                                           VectorCase{{0x00, 0x80}, {0x08, 0x00}},
                                           VectorCase{{0xFF, 0xFF}, {0xFF, 0xFF}},
                                           VectorCase{{0x00, 0x00}, {0x00, 0x00}},
                                           VectorCase{{0x12, 0x34, 0x56, 0x78}, {0x23, 0x41, 0x67, 0x85}},
                                           VectorCase{{}, {}},
                                           VectorCase{{0x5A}, {}},
                                           VectorCase{{0x34, 0x12, 0xAA}, {0x41, 0x23}}));

TEST_F(ConvertFileTest, FilesLargerThanOneBlockMatchTheWordRule)
{
    const Bytes input = RandomBytes((std::size_t{5} << 20) / 2 + 3, 1);
    m_dir.Write("big.dat", input);
    ASSERT_EQ(Convert("big.dat"), ConversionOutcome::Converted);
    EXPECT_EQ(m_dir.Read("bigchg.dat"), testing::RotatedWords(input));
}

TEST_F(ConvertFileTest, SecondRunSwapsBytesAndFourthRestoresInput)
{
    const Bytes input = RandomBytes(1000, 2);
    m_dir.Write("r", input);
    std::string name = "r";
    for (int run = 1; run <= 4; ++run) {
        ASSERT_EQ(Convert(name), ConversionOutcome::Converted);
        name += "chg";
        if (run == 2) {
            Bytes swapped = input;
            for (std::size_t i = 0; i < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
            EXPECT_EQ(m_dir.Read(name), swapped);
        }
    }
    EXPECT_EQ(m_dir.Read(name), input);
    EXPECT_EQ(m_dir.Read("r"), input);
}

TEST_F(ConvertFileTest, LongerExistingOutputLeavesNoTail)
{
    m_dir.Write("in.bin", {0x34, 0x12});
    m_dir.Write("inchg.bin", Bytes(100, 0xEE));
    EXPECT_EQ(Convert("in.bin"), ConversionOutcome::Converted);
    EXPECT_EQ(m_dir.Read("inchg.bin"), (Bytes{0x41, 0x23}));
}

TEST_F(ConvertFileTest, RelativePathResolvesAgainstCurrentDirectory)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.PathOf(""));
    m_dir.Write("data.bin", {0xCD, 0xAB});
    const ConversionOutcome relative = ConvertFile("data.bin", kGbk, SystemFileAccess());
    const ConversionOutcome empty = ConvertFile("", kGbk, SystemFileAccess());
    std::filesystem::current_path(previous);

    EXPECT_EQ(relative, ConversionOutcome::Converted);
    EXPECT_EQ(m_dir.Read("datachg.bin"), (Bytes{0xDA, 0xBC}));
    EXPECT_EQ(empty, ConversionOutcome::OpenFailed);
    EXPECT_FALSE(m_dir.Exists("chg")) << "an empty path must not create an output";
}

TEST_F(ConvertFileTest, MissingInputCreatesNothing)
{
    EXPECT_EQ(Convert("missing.bin"), ConversionOutcome::OpenFailed);
    EXPECT_FALSE(m_dir.Exists("missingchg.bin"));
}

TEST_F(ConvertFileTest, DirectoryIsNoInput)
{
    std::filesystem::create_directory(m_dir.PathOf("folder.d"));
    EXPECT_EQ(Convert("folder.d"), ConversionOutcome::OpenFailed);
    EXPECT_FALSE(m_dir.Exists("folderchg.d"));
}

TEST_F(ConvertFileTest, DirectoryInTheOutputsPlaceFailsToOpen)
{
    m_dir.Write("in.bin", {1, 2});
    std::filesystem::create_directory(m_dir.PathOf("inchg.bin"));
    EXPECT_EQ(Convert("in.bin"), ConversionOutcome::OpenFailed);
    EXPECT_TRUE(std::filesystem::is_directory(m_dir.PathOf("inchg.bin")));
    EXPECT_EQ(m_dir.Read("in.bin"), (Bytes{1, 2}));
}

// Run as root, the system would let the file be written; it must keep its content all the same.
TEST_F(ConvertFileTest, ReadOnlyOutputKeepsItsContent)
{
    m_dir.Write("in.bin", {1, 2});
    m_dir.Write("inchg.bin", {7, 7, 7});
    std::filesystem::permissions(m_dir.PathOf("inchg.bin"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
    EXPECT_EQ(Convert("in.bin"), ConversionOutcome::OpenFailed);
    EXPECT_EQ(m_dir.Read("inchg.bin"), (Bytes{7, 7, 7}));
}

// An output name that leads back to the input must not truncate it.
TEST_F(ConvertFileTest, OutputNameLinkedToTheInputDestroysNothing)
{
    using LinkMaker = void (*)(const std::filesystem::path&, const std::filesystem::path&);
    std::vector<std::pair<const char*, LinkMaker>> links = {
        {"hard link", [](const auto& to, const auto& link) { std::filesystem::create_hard_link(to, link); }}};
#ifndef _WIN32
    links.emplace_back("symbolic link",
                       [](const auto& to, const auto& link) { std::filesystem::create_symlink(to, link); });
#endif
    const Bytes input = RandomBytes(64, 3);
    for (const auto& [kind, makeLink] : links) {
        m_dir.Write("in.bin", input);
        std::filesystem::remove(m_dir.PathOf("inchg.bin"));
        makeLink(m_dir.PathOf("in.bin"), m_dir.PathOf("inchg.bin"));
        EXPECT_EQ(Convert("in.bin"), ConversionOutcome::OpenFailed) << kind;
        EXPECT_EQ(m_dir.Read("in.bin"), input) << kind;
    }
}

#ifndef _WIN32
TEST_F(ConvertFileTest, FullDiskIsReportedAndIncompleteOutputRemoved)
{
    m_dir.Write("in.bin", RandomBytes(10000, 5));
    std::filesystem::create_symlink("/dev/full", m_dir.PathOf("inchg.bin"));
    EXPECT_EQ(Convert("in.bin"), ConversionOutcome::WriteFailed);
    EXPECT_FALSE(m_dir.Exists("inchg.bin"));
    EXPECT_EQ(m_dir.Read("in.bin"), RandomBytes(10000, 5));
}

// Reading a process's own memory file from offset 0 fails with an I/O error.
TEST_F(ConvertFileTest, ReadErrorIsReportedAndIncompleteOutputRemoved)
{
    std::filesystem::create_symlink("/proc/self/mem", m_dir.PathOf("in.bin"));
    EXPECT_EQ(Convert("in.bin"), ConversionOutcome::ReadFailed);
    EXPECT_FALSE(m_dir.Exists("inchg.bin"));
}
#endif

}  // namespace
}  // namespace quorvane
