#include "lead_bytes.h"

namespace quorvane {

LeadByteSet::LeadByteSet(std::span<const Range> ranges)
{
    for (const Range& range : ranges) {
        for (unsigned byte = range.first; byte <= range.last; ++byte) m_bytes.set(byte);
    }
}

LeadByteSet LeadByteSet::ForCodePage(unsigned codePage, std::span<const Range> systemRanges)
{
    static constexpr Range kShiftJis[] = {{0x81, 0x9F}, {0xE0, 0xFC}};
    static constexpr Range kGbkKoreanBig5[] = {{0x81, 0xFE}};
    static constexpr Range kJohab[] = {{0x81, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}};

    switch (codePage) {
    case 932: return LeadByteSet(kShiftJis);
    case 936:
    case 949:
    case 950: return LeadByteSet(kGbkKoreanBig5);
    case 1361: return LeadByteSet(kJohab);
    default: return LeadByteSet(systemRanges);
    }
}

}  // namespace quorvane
