#pragma once

#include <bitset>
#include <cstdint>
#include <span>

namespace quorvane {

// The bytes that begin a double-byte character in an ANSI code page. A lead byte and the byte after
// it form one character, so a 0x5C in second place is never a path separator.
class LeadByteSet {
public:
    struct Range {
        std::uint8_t first;
        std::uint8_t last;
    };

    LeadByteSet() = default;  // empty: every character is one byte
    explicit LeadByteSet(std::span<const Range> ranges);

    // The fixed tables for the five double-byte code pages; any other code page takes the ranges
    // the system reports for it (none for single-byte pages).
    static LeadByteSet ForCodePage(unsigned codePage, std::span<const Range> systemRanges);

    bool Contains(unsigned char byte) const { return m_bytes.test(byte); }

private:
    std::bitset<256> m_bytes;
};

}  // namespace quorvane
