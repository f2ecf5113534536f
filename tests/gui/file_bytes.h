#pragma once

#include <map>
#include <optional>
#include <string>

#include "scratch_dir.h"

namespace quorvane::gui {

using testing::Bytes;

// Files named by ANSI path texts, as the program itself names them: also names in double-byte characters.
void WriteBytes(const std::string& path, const Bytes& bytes);
// The file's content, or nothing if there is no such file.
std::optional<Bytes> ReadBytes(const std::string& path);
bool IsDirectory(const std::string& path);

// Everything under a directory, by path: each file with its content, each directory with nothing.
using Tree = std::map<std::string, std::optional<Bytes>>;
Tree TreeOf(const std::string& directory);

}  // namespace quorvane::gui
