#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvane::testing {

// The conversion's rule written plainly, one word at a time, for tests to compare whole files
// against: each little-endian word rotated left by four bits, a trailing odd byte dropped.
inline std::vector<std::uint8_t> RotatedWords(const std::vector<std::uint8_t>& input)
{
    std::vector<std::uint8_t> output;
    output.reserve(input.size());
    for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
        const unsigned word = input[i] | static_cast<unsigned>(input[i + 1]) << 8;
        const unsigned rotated = ((word << 4) | (word >> 12)) & 0xFFFF;
        output.push_back(static_cast<std::uint8_t>(rotated & 0xFF));
        output.push_back(static_cast<std::uint8_t>(rotated >> 8));
    }
    return output;
}

}  // namespace quorvane::testing
