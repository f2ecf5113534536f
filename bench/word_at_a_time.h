#pragma once

#include <string>

namespace quorvane::bench {

// The conversion as it was first written: one two-byte read and one two-byte write per word through
// buffered C streams. The design ConvertFile replaces, kept to measure what it gained.
bool ConvertWordAtATime(const std::string& from, const std::string& to);

}  // namespace quorvane::bench
