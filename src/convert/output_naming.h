#pragma once

#include <string>
#include <string_view>

#include "lead_bytes.h"

namespace quorvane {

// A path text cut into its pieces; laid end to end they give back the text.
struct PathParts {
    std::string drive;  // "D:" or empty
    std::string dir;    // up to and including the last separator, or empty
    std::string base;
    std::string ext;  // from the last dot of the final component, or empty
};

// Pure byte-string logic: no file-system access and no normalisation of separators, case or spaces.
PathParts SplitPath(std::string_view path, const LeadByteSet& leadBytes);
std::string JoinPath(const PathParts& parts, const LeadByteSet& leadBytes);

// The path beside the input with "chg" before the extension's dot, or at the end: data.bin gives
// datachg.bin. Always exactly the input with three bytes inserted.
std::string DeriveOutputPath(std::string_view path, const LeadByteSet& leadBytes);

}  // namespace quorvane
