#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "file_access.h"
#include "lead_bytes.h"

namespace quorvane {

enum class ConversionOutcome {
    Converted,    // the whole input was converted and the output is complete
    OpenFailed,   // the input or the output did not open; nothing was written
    ReadFailed,   // reading the input failed; the incomplete output was removed
    WriteFailed,  // writing or closing the output failed; the incomplete output was removed
};

// The conversion reads and writes in blocks of this size: large enough that the system sees few, long
// transfers, small enough that a block stays in the processor's cache from its reading through its
// rotation to its writing; fixed, so memory does not grow with the file.
constexpr std::size_t kConversionBlockSize = std::size_t{1} << 18;

// The text the user is shown for an outcome.
std::string_view MessageText(ConversionOutcome outcome);

// A 16-bit word rotated left by four bits: 0xABCD gives 0xBCDA.
constexpr std::uint16_t RotateWord(std::uint16_t word)
{
    return static_cast<std::uint16_t>((word << 4) | (word >> 12));
}

// Rotates every little-endian word of an even-length block in place.
void RotateWords(std::span<std::byte> block);

// Writes beside the input, under DeriveOutputPath's name, a copy in which every little-endian
// 16-bit word is rotated left by four bits; a trailing odd byte is dropped. The input is never
// changed, and an existing output is overwritten unless it is the input itself.
ConversionOutcome ConvertFile(const std::string& path, const LeadByteSet& leadBytes, FileAccess& files);

}  // namespace quorvane
