#include "program_image.h"

#include "built_program.h"

namespace quorvane::gui {
namespace {

constexpr WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

struct Listing {
    ULONG_PTR type = 0;
    ULONG_PTR name = 0;
    std::vector<ResourceEntry> entries;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR listing)
{
    auto& list = *reinterpret_cast<Listing*>(listing);
    list.entries.push_back({list.type, list.name, language});
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR listing)
{
    reinterpret_cast<Listing*>(listing)->name = reinterpret_cast<ULONG_PTR>(name);
    ::EnumResourceLanguagesA(module, type, name, AddLanguage, listing);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR listing)
{
    reinterpret_cast<Listing*>(listing)->type = reinterpret_cast<ULONG_PTR>(type);
    ::EnumResourceNamesA(module, type, AddName, listing);
    return TRUE;
}

}  // namespace

ProgramImage::ProgramImage()
    : m_module(::LoadLibraryExA(BuiltProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
{
}

ProgramImage::~ProgramImage()
{
    if (m_module != nullptr) ::FreeLibrary(m_module);
}

std::span<const std::byte> ProgramImage::Resource(LPCSTR type, LPCSTR name) const
{
    const HRSRC found = ::FindResourceExA(m_module, type, name, kChinesePrc);
    if (found == nullptr) return {};
    const auto* bytes = static_cast<const std::byte*>(::LockResource(::LoadResource(m_module, found)));
    return {bytes, ::SizeofResource(m_module, found)};
}

std::vector<ResourceEntry> ProgramImage::Entries() const
{
    Listing listing;
    ::EnumResourceTypesA(m_module, AddType, reinterpret_cast<LONG_PTR>(&listing));
    return listing.entries;
}

}  // namespace quorvane::gui
