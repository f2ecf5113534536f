#pragma once

#include <cstddef>
#include <cstring>
#include <span>
#include <string>

namespace quorvane::gui {

// Reads the little-endian fields of a resource in order; past the end it gives zeros and says so.
class ResourceReader {
public:
    explicit ResourceReader(std::span<const std::byte> bytes) : m_bytes(bytes) {}

    template <class Field> Field Read()
    {
        Field field{};
        if (m_offset + sizeof field > m_bytes.size()) {
            m_overrun = true;
        } else {
            std::memcpy(&field, m_bytes.data() + m_offset, sizeof field);
        }
        m_offset += sizeof field;
        return field;
    }
    // A zero-terminated UTF-16 string.
    std::wstring ReadString();
    // A string, or an ordinal (0xFFFF then a number) given as "#number"; 0x0000 alone is empty.
    std::wstring ReadStringOrOrdinal();
    void AlignTo(std::size_t boundary) { m_offset = (m_offset + boundary - 1) / boundary * boundary; }

    std::size_t Offset() const { return m_offset; }
    void Seek(std::size_t offset) { m_offset = offset; }
    bool Overran() const { return m_overrun || m_offset > m_bytes.size(); }

private:
    std::span<const std::byte> m_bytes;
    std::size_t m_offset = 0;
    bool m_overrun = false;
};

}  // namespace quorvane::gui
