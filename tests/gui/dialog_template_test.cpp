#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "program_image.h"
#include "resource_reader.h"

namespace quorvane::gui {
namespace {

const LPCSTR kConverterDialog = MAKEINTRESOURCEA(102);

struct Rect {
    std::int16_t x, y, cx, cy;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct ItemTemplate {
    DWORD id;
    std::wstring className;
    std::wstring text;
    Rect rect;
    DWORD style;
    DWORD exStyle;
    friend bool operator==(const ItemTemplate&, const ItemTemplate&) = default;
    friend void PrintTo(const ItemTemplate& item, std::ostream* os)
    {
        *os << "id " << item.id << ", class " << ::testing::PrintToString(item.className) << ", text "
            << ::testing::PrintToString(item.text) << ", at " << item.rect.x << ',' << item.rect.y << " size "
            << item.rect.cx << 'x' << item.rect.cy << ", style 0x" << std::hex << item.style << ", ex 0x"
            << item.exStyle << std::dec;
    }
};

struct DialogTemplate {
    std::uint16_t version = 0;
    std::uint16_t signature = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    Rect rect{};
    std::wstring menu;
    std::wstring className;
    std::wstring caption;
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::wstring typeface;
    std::vector<ItemTemplate> items;
};

// The system's predefined control classes, which a template names by ordinal.
std::wstring ClassName(const std::wstring& nameOrOrdinal)
{
    if (nameOrOrdinal == L"#128") return L"Button";
    if (nameOrOrdinal == L"#129") return L"Edit";
    if (nameOrOrdinal == L"#130") return L"Static";
    return nameOrOrdinal;
}

Rect ReadRect(ResourceReader& reader)
{
    const auto x = reader.Read<std::int16_t>();
    const auto y = reader.Read<std::int16_t>();
    const auto cx = reader.Read<std::int16_t>();
    const auto cy = reader.Read<std::int16_t>();
    return {x, y, cx, cy};
}

// An extended template (DIALOGEX), field by field in the order the system reads them.
DialogTemplate ReadDialogTemplate(std::span<const std::byte> bytes)
{
    ResourceReader reader(bytes);
    DialogTemplate dialog;
    dialog.version = reader.Read<std::uint16_t>();
    dialog.signature = reader.Read<std::uint16_t>();
    reader.Read<DWORD>();  // help id
    dialog.exStyle = reader.Read<DWORD>();
    dialog.style = reader.Read<DWORD>();
    const auto itemCount = reader.Read<std::uint16_t>();
    dialog.rect = ReadRect(reader);
    dialog.menu = reader.ReadStringOrOrdinal();
    dialog.className = reader.ReadStringOrOrdinal();
    dialog.caption = reader.ReadString();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Read<std::uint16_t>();
        dialog.weight = reader.Read<std::uint16_t>();
        dialog.italic = reader.Read<std::uint8_t>();
        dialog.charset = reader.Read<std::uint8_t>();
        dialog.typeface = reader.ReadString();
    }
    for (std::uint16_t i = 0; i < itemCount && !reader.Overran(); ++i) {
        reader.AlignTo(4);
        ItemTemplate item{};
        reader.Read<DWORD>();  // help id
        item.exStyle = reader.Read<DWORD>();
        item.style = reader.Read<DWORD>();
        item.rect = ReadRect(reader);
        item.id = reader.Read<DWORD>();
        item.className = ClassName(reader.ReadStringOrOrdinal());
        item.text = reader.ReadStringOrOrdinal();
        reader.Seek(reader.Offset() + reader.Read<std::uint16_t>());  // creation data
        dialog.items.push_back(item);
    }
    EXPECT_FALSE(reader.Overran()) << "the template ends early";
    return dialog;
}

class ConverterDialogTemplate : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(image.Loaded());
        const std::span<const std::byte> bytes = image.Resource(RT_DIALOG, kConverterDialog);
        ASSERT_FALSE(bytes.empty()) << "no dialog 102 in Chinese (PRC)";
        dialog = ReadDialogTemplate(bytes);
    }

    ProgramImage image;
    DialogTemplate dialog;
};

TEST_F(ConverterDialogTemplate, IsExtendedModalFrameAtOriginWithCaptionAndFont)
{
    EXPECT_EQ(dialog.version, 1);
    EXPECT_EQ(dialog.signature, 0xFFFF);
    EXPECT_EQ(dialog.rect, (Rect{0, 0, 320, 77}));
    EXPECT_EQ(
        dialog.style,
        static_cast<DWORD>(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.menu, L"");
    EXPECT_EQ(dialog.className, L"");
    EXPECT_EQ(dialog.caption, L"quorvane");
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, 1);
    EXPECT_EQ(dialog.typeface, L"宋体");
}

TEST_F(ConverterDialogTemplate, HasSixControlsInTabOrder)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD kStaticId = 0xFFFFFFFF;  // -1: a label the program never addresses
    EXPECT_EQ(dialog.items,
              (std::vector<ItemTemplate>{
                  {IDOK, L"Button", L"确定", {260, 7, 50, 14}, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
                  {IDCANCEL, L"Button", L"取消", {260, 23, 50, 14}, kButton, 0},
                  {kStaticId, L"Static", L"File Name:", {14, 7, 41, 8}, kChild | WS_GROUP | SS_LEFT, 0},
                  {1000,
                   L"Edit",
                   L"",
                   {13, 19, 132, 14},
                   kChild | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL,
                   0},
                  {1001, L"Button", L"Browse", {163, 19, 52, 14}, kButton, 0},
                  {1002, L"Button", L"Change", {23, 45, 64, 15}, kButton, 0},
              }));
}

}  // namespace
}  // namespace quorvane::gui
