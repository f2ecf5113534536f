#include "resource_reader.h"

#include <cstdint>

namespace quorvane::gui {

std::wstring ResourceReader::ReadString()
{
    std::wstring text;
    while (!Overran()) {
        const auto unit = Read<std::uint16_t>();
        if (unit == 0) break;
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

std::wstring ResourceReader::ReadStringOrOrdinal()
{
    const auto first = Read<std::uint16_t>();
    if (first == 0) return {};
    if (first == 0xFFFF) return L"#" + std::to_wstring(Read<std::uint16_t>());
    Seek(Offset() - sizeof first);
    return ReadString();
}

}  // namespace quorvane::gui
