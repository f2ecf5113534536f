#pragma once

#include <string>

namespace quorvane::gui {

// The quorvane.exe of this build, as a path a Windows program can open.
std::string BuiltProgramPath();

}  // namespace quorvane::gui
