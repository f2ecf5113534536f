#pragma once

namespace quorvane::testing {

// The byte at each offset of a test input, shared by the test and its helper process: no two
// nearby blocks look alike, so a block out of place shows.
inline unsigned char PatternByte(long offset)
{
    return static_cast<unsigned char>(offset * 7 + offset / 251);
}

}  // namespace quorvane::testing
