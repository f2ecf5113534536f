#include "sample_file.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace quorvane::bench {
namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;

// xorshift64: fast, and random enough that no layer can take a shortcut over repeated content.
std::uint64_t NextRandom(std::uint64_t& state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

}  // namespace

bool WriteSampleFile(const std::string& path, std::uint64_t size, FileAccess& files)
{
    const std::unique_ptr<OpenFile> output = files.OpenForWriting(path);
    if (!output || !output->Truncate()) return false;

    std::vector<std::byte> chunk(kChunkSize);
    std::uint64_t state = 0x9E3779B97F4A7C15;
    for (std::uint64_t written = 0; written < size;) {
        for (std::size_t i = 0; i < chunk.size(); i += sizeof state) {
            const std::uint64_t random = NextRandom(state);
            std::memcpy(chunk.data() + i, &random, sizeof random);
        }
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, size - written));
        if (!output->Write({chunk.data(), count})) return false;
        written += count;
    }
    return output->Close();
}

}  // namespace quorvane::bench
