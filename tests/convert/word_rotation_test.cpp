#include "word_rotation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorvane {
namespace {

TEST(RotateWord, MovesTopDigitToBottom)
{
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {0xABCD, 0xBCDA},
        {0x1234, 0x2341},
        {0xF000, 0x000F},
        {0x0001, 0x0010},
        {0x8000, 0x0008},
        {0xFFFF, 0xFFFF},
        {0x0000, 0x0000},
    };
    for (const auto& [word, rotated] : cases) EXPECT_EQ(RotateWord(word), rotated) << std::hex << word;
}

// Every length and start offset around the eight-byte stride agrees with the word-by-word rule.
TEST(RotateWords, AgreesWithRotateWordAtEveryLengthAndAlignment)
{
    std::mt19937 random(7);
    std::vector<std::byte> data(160);  // past two four-vector steps
    for (std::byte& byte : data) byte = static_cast<std::byte>(random());
    for (std::size_t offset = 0; offset < 8; ++offset) {
        for (std::size_t length = 0; offset + length <= data.size(); ++length) {
            std::vector<std::byte> block(data.begin() + static_cast<std::ptrdiff_t>(offset),
                                         data.begin() + static_cast<std::ptrdiff_t>(offset + length));
            RotateWords(block);
            for (std::size_t i = 0; i + 1 < length; i += 2) {
                const auto word =
                    static_cast<std::uint16_t>(std::to_integer<unsigned>(data[offset + i]) |
                                               std::to_integer<unsigned>(data[offset + i + 1]) << 8);
                const std::uint16_t rotated = RotateWord(word);
                ASSERT_EQ(std::to_integer<unsigned>(block[i]), rotated & 0xFFu);
                ASSERT_EQ(std::to_integer<unsigned>(block[i + 1]), unsigned{rotated} >> 8);
            }
            if (length % 2 == 1) {
                ASSERT_EQ(block.back(), data[offset + length - 1]) << "odd byte is left alone";
            }
        }
    }
}

TEST(MessageText, NamesEachOutcome)
{
    EXPECT_EQ(MessageText(ConversionOutcome::Converted), "OK");
    EXPECT_EQ(MessageText(ConversionOutcome::OpenFailed), "File open error.");
    EXPECT_EQ(MessageText(ConversionOutcome::ReadFailed), "File read error.");
    EXPECT_EQ(MessageText(ConversionOutcome::WriteFailed), "File write error.");
}

}  // namespace
}  // namespace quorvane
