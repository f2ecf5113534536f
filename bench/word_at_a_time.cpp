#include "word_at_a_time.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "word_rotation.h"

namespace quorvane::bench {
namespace {

constexpr std::size_t kStreamBufferSize = 4096;

struct StreamCloser {
    void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using Stream = std::unique_ptr<std::FILE, StreamCloser>;

}  // namespace

bool ConvertWordAtATime(const std::string& from, const std::string& to)
{
    // Declared before the streams, so that they outlive the streams' last flush.
    char inputBuffer[kStreamBufferSize];
    char outputBuffer[kStreamBufferSize];
    const Stream input(std::fopen(from.c_str(), "rb"));
    const Stream output(input ? std::fopen(to.c_str(), "wb") : nullptr);
    if (!output) return false;
    std::setvbuf(input.get(), inputBuffer, _IOFBF, sizeof inputBuffer);
    std::setvbuf(output.get(), outputBuffer, _IOFBF, sizeof outputBuffer);

    unsigned char bytes[2];
    while (std::fread(bytes, sizeof bytes, 1, input.get()) == 1) {
        const std::uint16_t word = RotateWord(static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8));
        bytes[0] = static_cast<unsigned char>(word);
        bytes[1] = static_cast<unsigned char>(word >> 8);
        if (std::fwrite(bytes, sizeof bytes, 1, output.get()) != 1) return false;
    }
    return !std::ferror(input.get()) && std::fflush(output.get()) == 0;
}

}  // namespace quorvane::bench
