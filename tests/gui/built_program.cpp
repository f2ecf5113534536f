#include "built_program.h"

#include <algorithm>

namespace quorvane::gui {

// The build names it by its Unix path; under Wine the Unix file system is drive Z:.
std::string BuiltProgramPath()
{
    std::string path = QUORVANE_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

}  // namespace quorvane::gui
