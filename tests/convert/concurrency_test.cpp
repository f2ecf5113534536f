#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "child_process.h"
#include "concurrency_pattern.h"
#include "rotated_words.h"
#include "scratch_dir.h"
#include "word_rotation.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::ChildProcess;
using testing::PatternByte;
using testing::ScratchDir;

// Only there to end a hung child; no test depends on how fast anything is.
constexpr std::chrono::milliseconds kChildLimit{120000};

Bytes Pattern(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = PatternByte(static_cast<long>(i));
    return bytes;
}

// Waits, bounded, for a helper to get under way: the conversion then overlaps its work more often.
template <class Condition> void AwaitUntil(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + kChildLimit;
    while (!condition() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// One process appends to the input while it is converted, another reads the output meanwhile and
// checks each read. Whatever the timing, the outcome must be honest: Converted with the rotation
// of a start of the input, no shorter than the input was when the conversion began, or an error
// with no output left behind. The input's bytes are never changed.
TEST(Concurrency, AppendingToTheInputAndReadingTheOutputMeanwhile)
{
    constexpr std::size_t kInitial = std::size_t{4} << 20;
    constexpr std::size_t kAppended = std::size_t{16} << 20;
    ScratchDir dir;
    const std::string input = dir.PathOf("in.bin");
    dir.Write("in.bin", Pattern(kInitial));

    ChildProcess watcher(QUORVANE_CONCURRENCY_HELPER,
                         {"watch", dir.PathOf("inchg.bin"), input, dir.PathOf("ready"), dir.PathOf("stop")});
    ASSERT_TRUE(watcher.Started());
    AwaitUntil([&] { return dir.Exists("ready"); });
    ChildProcess appender(QUORVANE_CONCURRENCY_HELPER, {"append", input, std::to_string(kAppended)});
    ASSERT_TRUE(appender.Started());
    AwaitUntil([&] {
        std::error_code ignored;
        return std::filesystem::file_size(input, ignored) > kInitial;
    });

    const ConversionOutcome outcome = ConvertFile(input, {}, SystemFileAccess());
    dir.Write("stop", {});
    EXPECT_EQ(appender.Wait(kChildLimit), 0) << "the appender failed or hung";
    EXPECT_EQ(watcher.Wait(kChildLimit), 0) << "the reader saw output that is not rotated input, or hung";

    const Bytes finalInput = *dir.Read("in.bin");
    EXPECT_TRUE(finalInput == Pattern(kInitial + kAppended)) << "the input was changed";
    const std::optional<Bytes> output = dir.Read("inchg.bin");
    if (outcome != ConversionOutcome::Converted) {
        EXPECT_FALSE(output.has_value()) << "an incomplete output was left after " << MessageText(outcome);
        return;
    }
    ASSERT_TRUE(output.has_value());
    ASSERT_GE(output->size(), kInitial);
    ASSERT_LE(output->size(), finalInput.size());
    EXPECT_TRUE(*output ==
                testing::RotatedWords(Bytes(finalInput.begin(), finalInput.begin() + output->size())))
        << "the output is not the rotation of the input's first " << output->size() << " bytes";
    RecordProperty("converted_bytes", std::to_string(output->size()));
}

}  // namespace
}  // namespace quorvane
