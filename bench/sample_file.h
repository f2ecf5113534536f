#pragma once

#include <cstdint>
#include <string>

#include "file_access.h"

namespace quorvane::bench {

// Writes a file of the given size filled with pseudo-random bytes, the same for every run.
bool WriteSampleFile(const std::string& path, std::uint64_t size, FileAccess& files);

}  // namespace quorvane::bench
