#include "lead_bytes.h"

#include <gtest/gtest.h>

#include "case_name.h"

#include <vector>

namespace quorvane {
namespace {

using Range = LeadByteSet::Range;

struct CodePageCase {
    const char* name;
    unsigned codePage;
    std::vector<Range> systemRanges;
    std::vector<Range> expected;
    friend void PrintTo(const CodePageCase& c, std::ostream* os) { *os << c.name; }
};

class LeadBytesForCodePage : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(LeadBytesForCodePage, MatchesTableForEveryByte)
{
    const CodePageCase& c = GetParam();
    const LeadByteSet set = LeadByteSet::ForCodePage(c.codePage, c.systemRanges);
    for (unsigned byte = 0; byte < 256; ++byte) {
        bool expected = false;
        for (const Range& r : c.expected) expected = expected || (byte >= r.first && byte <= r.last);
        EXPECT_EQ(set.Contains(static_cast<unsigned char>(byte)), expected) << "byte " << byte;
    }
}

// The fixed tables hold even when the system reports other ranges for the same code page.
const std::vector<Range> kSomeSystemRanges = {{0xA0, 0xA1}};

INSTANTIATE_TEST_SUITE_P(
    Tables,
    LeadBytesForCodePage,
    ::testing::Values(CodePageCase{"ShiftJis932", 932, kSomeSystemRanges, {{0x81, 0x9F}, {0xE0, 0xFC}}},
                      CodePageCase{"Gbk936", 936, kSomeSystemRanges, {{0x81, 0xFE}}},
                      CodePageCase{"Korean949", 949, kSomeSystemRanges, {{0x81, 0xFE}}},
                      CodePageCase{"Big5_950", 950, kSomeSystemRanges, {{0x81, 0xFE}}},
                      CodePageCase{"Johab1361StartsAt81",
                                   1361,
                                   kSomeSystemRanges,
                                   {{0x81, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}}},
                      CodePageCase{"OtherMultiByteTakesSystemRanges",
                                   20932,
                                   {{0x8E, 0x8E}, {0xA1, 0xFE}},
                                   {{0x8E, 0x8E}, {0xA1, 0xFE}}},
                      CodePageCase{"SingleByteIsEmpty", 1252, {}, {}}),
    testing::CaseName());

}  // namespace
}  // namespace quorvane
