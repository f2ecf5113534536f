#pragma once

#include <string>

// The names the application takes from its executable's path.
struct ModuleNames {
    std::string title;         // the file name without directory and extension: "quorvane"
    std::string helpFilePath;  // the path with its extension replaced by ".HLP"
};

// Steps over double-byte characters of the active ANSI code page, so that a second byte that
// looks like a dot or a backslash is never taken for one.
ModuleNames ModuleNamesFromPath(const std::string& modulePath);
