#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "program_image.h"
#include "resource_reader.h"

namespace quorvane::gui {
namespace {

constexpr WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
const LPCSTR kAppIcon = MAKEINTRESOURCEA(128);

struct IconImage {
    int width;
    int height;
    int bitCount;
    DWORD bytes;
    friend bool operator==(const IconImage&, const IconImage&) = default;
    friend void PrintTo(const IconImage& image, std::ostream* os)
    {
        *os << image.width << 'x' << image.height << " at " << image.bitCount << " bpp, " << image.bytes
            << " bytes";
    }
};

ULONG_PTR Id(LPCSTR resource)
{
    return reinterpret_cast<ULONG_PTR>(resource);
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(image.Loaded()); }
    ProgramImage image;
};

TEST_F(ProgramResources, AreTheDialogIconAndVersionOnlyAllInChinesePrc)
{
    const std::vector<ResourceEntry> entries = image.Entries();
    std::set<ULONG_PTR> types;
    for (const ResourceEntry& entry : entries) {
        types.insert(entry.type);
        EXPECT_EQ(entry.language, kChinesePrc) << "type " << entry.type << ", name " << entry.name;
    }
    // No menu, no accelerators and no manifest among them.
    EXPECT_EQ(types, (std::set<ULONG_PTR>{Id(RT_ICON), Id(RT_DIALOG), Id(RT_GROUP_ICON), Id(RT_VERSION)}));
    const auto has = [&](LPCSTR type, ULONG_PTR name) {
        return std::count(entries.begin(), entries.end(), ResourceEntry{Id(type), name, kChinesePrc}) == 1;
    };
    EXPECT_TRUE(has(RT_DIALOG, 102));
    EXPECT_TRUE(has(RT_GROUP_ICON, 128));
    EXPECT_TRUE(has(RT_VERSION, 1));
    EXPECT_EQ(std::count_if(entries.begin(),
                            entries.end(),
                            [](const ResourceEntry& e) { return e.type == Id(RT_ICON); }),
              2);
}

// The group lists each image with its size, and each image is stored at exactly that size.
TEST_F(ProgramResources, AppIconIsLargeAndSmallInSixteenColours)
{
    ResourceReader group(image.Resource(RT_GROUP_ICON, kAppIcon));
    EXPECT_EQ(group.Read<std::uint16_t>(), 0);  // reserved
    EXPECT_EQ(group.Read<std::uint16_t>(), 1);  // icons, not cursors
    const auto count = group.Read<std::uint16_t>();
    std::vector<IconImage> images;
    for (std::uint16_t i = 0; i < count && !group.Overran(); ++i) {
        const auto width = group.Read<std::uint8_t>();
        const auto height = group.Read<std::uint8_t>();
        group.Read<std::uint8_t>();   // colour count
        group.Read<std::uint8_t>();   // reserved
        group.Read<std::uint16_t>();  // planes
        const auto bitCount = group.Read<std::uint16_t>();
        const auto bytes = group.Read<DWORD>();
        const auto id = group.Read<std::uint16_t>();
        images.push_back({width, height, bitCount, bytes});

        ResourceReader stored(image.Resource(RT_ICON, MAKEINTRESOURCEA(id)));
        const auto header = stored.Read<BITMAPINFOHEADER>();
        EXPECT_FALSE(stored.Overran()) << "no image " << id;
        EXPECT_EQ(image.Resource(RT_ICON, MAKEINTRESOURCEA(id)).size(), bytes) << "image " << id;
        EXPECT_EQ(header.biWidth, width);
        EXPECT_EQ(header.biHeight, 2 * height);  // the picture and its mask
        EXPECT_EQ(header.biBitCount, 4);
    }
    EXPECT_FALSE(group.Overran());
    EXPECT_EQ(images, (std::vector<IconImage>{{32, 32, 4, 744}, {16, 16, 4, 296}}));
}

}  // namespace
}  // namespace quorvane::gui
