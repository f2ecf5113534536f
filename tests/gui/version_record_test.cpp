#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <string>

#include "built_program.h"
#include "program_image.h"
#include "resource_reader.h"

namespace quorvane::gui {
namespace {

using Strings = std::map<std::wstring, std::wstring>;

// One node of the version record: its key, its text value if it has one, and where its children are.
struct VersionNode {
    std::wstring key;
    std::wstring text;
    std::size_t childrenStart;
    std::size_t end;
};

VersionNode ReadNode(ResourceReader& reader)
{
    const std::size_t start = reader.Offset();
    const auto length = reader.Read<std::uint16_t>();
    const auto valueLength = reader.Read<std::uint16_t>();
    const auto type = reader.Read<std::uint16_t>();
    VersionNode node{reader.ReadString(), {}, 0, start + length};
    reader.AlignTo(4);
    const std::size_t valueStart = reader.Offset();
    if (type == 1 && valueLength > 0) node.text = reader.ReadString();
    reader.Seek(valueStart + (type == 1 ? 2u * valueLength : valueLength));
    reader.AlignTo(4);
    node.childrenStart = reader.Offset();
    return node;
}

// The children of a node, by key.
std::map<std::wstring, VersionNode> ChildrenOf(std::span<const std::byte> record, const VersionNode& parent)
{
    std::map<std::wstring, VersionNode> children;
    ResourceReader reader(record);
    reader.Seek(parent.childrenStart);
    while (reader.Offset() < parent.end && !reader.Overran()) {
        const std::size_t start = reader.Offset();
        const VersionNode child = ReadNode(reader);
        if (child.end <= start) break;  // a broken length
        children.emplace(child.key, child);
        reader.Seek(child.end);
        reader.AlignTo(4);
    }
    return children;
}

// Every value of one string table, exactly as stored.
Strings StringTable(std::span<const std::byte> record, const std::wstring& language)
{
    ResourceReader reader(record);
    const VersionNode root = ReadNode(reader);
    const auto fileInfo = ChildrenOf(record, root);
    const auto stringFileInfo = fileInfo.find(L"StringFileInfo");
    if (stringFileInfo == fileInfo.end()) return {};
    const auto tables = ChildrenOf(record, stringFileInfo->second);
    const auto table = tables.find(language);
    if (table == tables.end()) return {};
    Strings strings;
    for (const auto& [key, value] : ChildrenOf(record, table->second)) strings.emplace(key, value.text);
    return strings;
}

std::wstring WideFromUtf8(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    const int size = ::MultiByteToWideChar(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(size));
    return wide;
}

// The resource script's own text for a value, which the build must carry over unchanged.
std::wstring ScriptValue(const std::string& key)
{
    std::string scriptPath = QUORVANE_RC;
    for (char& c : scriptPath) c = c == '/' ? '\\' : c;
    std::ifstream script("Z:" + scriptPath);
    const std::regex value("VALUE \"" + key + "\", \"([^\"]*)\"");
    std::smatch match;
    for (std::string line; std::getline(script, line);) {
        if (std::regex_search(line, match, value)) return WideFromUtf8(match[1]);
    }
    ADD_FAILURE() << "no value " << key << " in the resource script";
    return {};
}

class VersionRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string path = BuiltProgramPath();
        info.resize(::GetFileVersionInfoSizeA(path.c_str(), nullptr));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    }

    template <class Value> const Value* Query(const char* subBlock)
    {
        void* value = nullptr;
        UINT size = 0;
        if (!::VerQueryValueA(info.data(), subBlock, &value, &size) || size < sizeof(Value)) return nullptr;
        return static_cast<const Value*>(value);
    }

    std::vector<char> info;
};

TEST_F(VersionRecord, FixedPartIsVersion1001OfAWindowsApplication)
{
    const auto* fixed = Query<VS_FIXEDFILEINFO>("\\");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
}

TEST_F(VersionRecord, TranslationIsChinesePrcUnicode)
{
    const auto* translation = Query<std::uint16_t[2]>("\\VarFileInfo\\Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ((*translation)[0], 0x0804);
    EXPECT_EQ((*translation)[1], 0x04B0);
}

TEST_F(VersionRecord, StringTableHoldsExactlyTheProgramsValues)
{
    ProgramImage image;
    ASSERT_TRUE(image.Loaded());
    const std::span<const std::byte> record = image.Resource(RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO));
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(StringTable(record, L"080404B0"),
              (Strings{{L"CompanyName", L""},
                       {L"FileDescription", ScriptValue("FileDescription")},
                       {L"FileVersion", L"1, 0, 0, 1"},
                       {L"InternalName", L"quorvane"},
                       {L"LegalTrademarks", L""},
                       {L"OriginalFilename", L"quorvane.EXE"},
                       {L"ProductName", ScriptValue("ProductName")},
                       {L"ProductVersion", L"1, 0, 0, 1"}}));
}

}  // namespace
}  // namespace quorvane::gui
