#include "output_naming.h"

#include <gtest/gtest.h>

#include "case_name.h"

#include <random>
#include <string>

namespace quorvane {
namespace {

const LeadByteSet kGbk = LeadByteSet::ForCodePage(936, {});
const LeadByteSet kNoLeadBytes;

struct NamingCase {
    std::string path;
    std::string derived;
    friend void PrintTo(const NamingCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.path); }
};

class DeriveOutputPathGbk : public ::testing::TestWithParam<NamingCase> {};

TEST_P(DeriveOutputPathGbk, InsertsSuffixBeforeExtension)
{
    EXPECT_EQ(DeriveOutputPath(GetParam().path, kGbk), GetParam().derived);
}

INSTANTIATE_TEST_SUITE_P(
    Table,
    DeriveOutputPathGbk,
    ::testing::Values(NamingCase{"D:\\dir\\data.bin", "D:\\dir\\datachg.bin"},
                      NamingCase{"D:\\dir\\readme", "D:\\dir\\readmechg"},
                      NamingCase{"a.b.c", "a.bchg.c"},
                      NamingCase{"D:\\archive.tar.gz", "D:\\archive.tarchg.gz"},
                      NamingCase{".cfg", "chg.cfg"},
                      NamingCase{"D:\\dir\\.cfg", "D:\\dir\\chg.cfg"},
                      NamingCase{"name.", "namechg."},
                      NamingCase{"D:\\dir\\..", "D:\\dir\\.chg."},
                      NamingCase{"D:\\my.dir\\file", "D:\\my.dir\\filechg"},
                      NamingCase{"..\\up\\f.x", "..\\up\\fchg.x"},
                      NamingCase{"D:/dir/data.bin", "D:/dir/datachg.bin"},
                      NamingCase{"dir\\sub/file.txt", "dir\\sub/filechg.txt"},
                      NamingCase{"D:\\my files\\a b.txt", "D:\\my files\\a bchg.txt"},
                      NamingCase{"data.bin", "datachg.bin"},
                      NamingCase{"D:data.bin", "D:datachg.bin"},
                      NamingCase{"D:", "D:chg"},
                      NamingCase{"D:\\", "D:\\chg"},
                      NamingCase{"1:abc", "1:abcchg"},
                      NamingCase{"file.txt:alt", "filechg.txt:alt"},
                      NamingCase{"\\\\server\\share\\f.txt", "\\\\server\\share\\fchg.txt"},
                      NamingCase{"D:\\dir\\", "D:\\dir\\chg"},
                      NamingCase{"", "chg"},
                      // The second byte of a double-byte character is never a separator.
                      NamingCase{"a.\x81\\c", "achg.\x81\\c"},
                      NamingCase{"D:\\x\\\xB0\xA1.txt",
                                 "D:\\x\\\xB0\xA1"
                                 "chg.txt"},
                      // A lone lead byte at the very end stays; the scan stops at the end.
                      NamingCase{"f.t\x81", "fchg.t\x81"}));

TEST(DeriveOutputPath, WithoutLeadBytesEveryBackslashSeparates)
{
    EXPECT_EQ(DeriveOutputPath("a.\x81\\c", kNoLeadBytes), "a.\x81\\cchg");
}

TEST(DeriveOutputPath, LongTextsAreNeverCut)
{
    const std::string longName(300, 'n');
    const std::string longDir = "D:\\" + std::string(300, 'd') + "\\";
    const std::string longExt = "." + std::string(300, 'e');
    EXPECT_EQ(DeriveOutputPath(std::string(254, 'x'), kGbk), std::string(254, 'x') + "chg");
    EXPECT_EQ(DeriveOutputPath(std::string(253, 'x') + ".", kGbk), std::string(253, 'x') + "chg.");
    EXPECT_EQ(DeriveOutputPath(longDir + longName + longExt, kGbk), longDir + longName + "chg" + longExt);
}

struct JoinCase {
    const char* name;
    PathParts parts;
    const LeadByteSet* leadBytes;
    std::string joined;
    friend void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.name; }
};

class JoinPathCases : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathCases, AddsOnlyMissingSeparatorsAndDots)
{
    EXPECT_EQ(JoinPath(GetParam().parts, *GetParam().leadBytes), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Table,
    JoinPathCases,
    ::testing::Values(
        JoinCase{"AddsSeparatorAndDot", {"D:", "dir", "f", "txt"}, &kGbk, "D:dir\\f.txt"},
        JoinCase{"OneByteDriveGetsColon", {"D", "", "f", ""}, &kGbk, "D:f"},
        JoinCase{"DoubleByteEndOfDirIsNoSeparator", {"", "ab\x81\\", "f", ""}, &kGbk, "ab\x81\\\\f"},
        JoinCase{"WithoutLeadBytesBackslashEndsDir", {"", "ab\x81\\", "f", ""}, &kNoLeadBytes, "ab\x81\\f"},
        JoinCase{"EvenRunOfLeadBytesLeavesLastByteItself", {"", "\x81\x81\\", "f", ""}, &kGbk, "\x81\x81\\f"},
        JoinCase{"LoneLeadByteDirGetsSeparator", {"", "\x81", "f", ""}, &kGbk, "\x81\\f"}),
    testing::CaseName());

// Random texts over the bytes that matter to the rules: the pieces must give the text back, and
// the derived path must be the text with exactly "chg" inserted.
TEST(SplitPath, PiecesGiveBackTheTextUnderEveryLeadByteSet)
{
    const std::string alphabet = "ab.:\\/ \x81\x5C\xB0\xA1\xFE\xE0";
    const LeadByteSet sets[] = {
        kNoLeadBytes, kGbk, LeadByteSet::ForCodePage(932, {}), LeadByteSet::ForCodePage(1361, {})};
    std::mt19937 random(12345);
    for (const LeadByteSet& set : sets) {
        for (int round = 0; round < 2000; ++round) {
            std::string text(random() % 12, ' ');
            for (char& byte : text) byte = alphabet[random() % alphabet.size()];
            const PathParts parts = SplitPath(text, set);
            ASSERT_EQ(parts.drive + parts.dir + parts.base + parts.ext, text);
            ASSERT_EQ(JoinPath(parts, set), text);
            const std::string derived = DeriveOutputPath(text, set);
            const std::size_t at = parts.drive.size() + parts.dir.size() + parts.base.size();
            ASSERT_EQ(derived, text.substr(0, at) + "chg" + text.substr(at));
        }
    }
}

}  // namespace
}  // namespace quorvane
