// The other process of the concurrency tests, with two jobs:
//   append FILE BYTES       appends BYTES bytes of PatternByte to FILE in small flushed chunks
//   watch OUTPUT INPUT READY STOP
//                           creates the file READY, then reads OUTPUT over and over until the
//                           file STOP exists, checking that each read is the rotation of the start
//                           of INPUT
// Exit codes: 0 done, 1 a read of the output was wrong, 2 a file could not be used, 3 never stopped.
// Plain C streams on purpose: they share files for reading and writing, as most programs do.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "concurrency_pattern.h"
#include "rotated_words.h"

namespace {

using quorvane::testing::PatternByte;
using quorvane::testing::RotatedWords;

int Append(const char* path, long total)
{
    std::FILE* file = std::fopen(path, "ab");
    if (!file || std::fseek(file, 0, SEEK_END) != 0) return 2;
    const long start = std::ftell(file);
    std::vector<std::uint8_t> chunk(4096);
    for (long done = 0; done < total; done += static_cast<long>(chunk.size())) {
        for (std::size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = PatternByte(start + done + static_cast<long>(i));
        if (std::fwrite(chunk.data(), 1, chunk.size(), file) != chunk.size() || std::fflush(file) != 0) {
            std::fclose(file);
            return 2;
        }
    }
    return std::fclose(file) == 0 ? 0 : 2;
}

// Up to the first `most` bytes of the file; nothing if it cannot be opened.
std::vector<std::uint8_t> ReadStart(const char* path, std::size_t most)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return bytes;
    std::uint8_t block[65536];
    for (std::size_t got; bytes.size() < most && (got = std::fread(block, 1, sizeof block, file)) > 0;) {
        bytes.insert(bytes.end(), block, block + got);
    }
    std::fclose(file);
    return bytes;
}

// The input only grows, so its start read after the output is still what the output was made from.
// A read may end inside a write, so the output read may end inside a word.
bool IsRotatedStartOf(const std::vector<std::uint8_t>& output, const std::vector<std::uint8_t>& input)
{
    const std::vector<std::uint8_t> rotated = RotatedWords(input);  // input holds one byte more at most
    return output.size() <= rotated.size() && std::equal(output.begin(), output.end(), rotated.begin());
}

bool Exists(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

int Watch(const char* output, const char* input, const char* ready, const char* stop)
{
    std::FILE* signal = std::fopen(ready, "wb");
    if (!signal || std::fclose(signal) != 0) return 2;
    constexpr int kMostRounds = 100000;
    for (int round = 0; round < kMostRounds; ++round) {
        const bool last = Exists(stop);
        const std::vector<std::uint8_t> seen = ReadStart(output, SIZE_MAX);
        if (!IsRotatedStartOf(seen, ReadStart(input, seen.size() + 1))) {
            std::fprintf(stderr, "watch: a read of %zu output bytes is not the rotated input\n", seen.size());
            return 1;
        }
        if (last) return 0;
    }
    return 3;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "append") == 0) return Append(argv[2], std::atol(argv[3]));
    if (argc == 6 && std::strcmp(argv[1], "watch") == 0) return Watch(argv[2], argv[3], argv[4], argv[5]);
    std::fprintf(stderr, "usage: concurrency_helper append FILE BYTES | watch OUTPUT INPUT READY STOP\n");
    return 2;
}
