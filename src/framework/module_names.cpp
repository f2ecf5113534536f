#include "module_names.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

ModuleNames ModuleNamesFromPath(const std::string& modulePath)
{
    std::size_t nameStart = 0;
    std::size_t extensionStart = std::string::npos;
    for (std::size_t i = 0; i < modulePath.size(); ++i) {
        const char byte = modulePath[i];
        if (::IsDBCSLeadByte(static_cast<BYTE>(byte))) {
            ++i;
        } else if (byte == '\\' || byte == '/' || byte == ':') {
            nameStart = i + 1;
            extensionStart = std::string::npos;
        } else if (byte == '.') {
            extensionStart = i;
        }
    }
    const std::string withoutExtension = modulePath.substr(0, extensionStart);
    return {withoutExtension.substr(nameStart), withoutExtension + ".HLP"};
}
