#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstddef>
#include <span>
#include <vector>

namespace quorvane::gui {

// A resource's place in the executable.
struct ResourceEntry {
    ULONG_PTR type;  // an integer type, RT_*; the program has no named ones
    ULONG_PTR name;
    WORD language;
    friend bool operator==(const ResourceEntry&, const ResourceEntry&) = default;
};

// The built quorvane.exe mapped as data, for reading its resources without running any of it.
class ProgramImage {
public:
    ProgramImage();
    ~ProgramImage();
    ProgramImage(const ProgramImage&) = delete;
    ProgramImage& operator=(const ProgramImage&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    // The bytes of a resource in the program's language; empty if there is none.
    std::span<const std::byte> Resource(LPCSTR type, LPCSTR name) const;
    std::vector<ResourceEntry> Entries() const;

private:
    HMODULE m_module;
};

}  // namespace quorvane::gui
