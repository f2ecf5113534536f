#pragma once

#include <string>

#include "file_access.h"

namespace quorvane::bench {

// Copies a file unchanged through the same file-access layer and block size as the conversion: the
// least time any read-transform-write pass over that file can take.
bool CopyPlain(const std::string& from, const std::string& to, FileAccess& files);

}  // namespace quorvane::bench
