// Times ConvertFile against a plain copy through the same file-access layer and against the
// word-at-a-time design it replaced, on page-cached files from 1 MiB to 1 GiB.
//
//   quorvane_bench DIRECTORY        prints the table; its files are made and removed in DIRECTORY
//   quorvane_bench --convert FILE   one conversion and nothing else, to measure its peak memory

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "output_naming.h"
#include "plain_copy.h"
#include "sample_file.h"
#include "timing.h"
#include "word_at_a_time.h"
#include "word_rotation.h"

namespace quorvane::bench {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kSizes[] = {1 * kMiB, 4 * kMiB, 16 * kMiB, 64 * kMiB, 256 * kMiB, 1024 * kMiB};
constexpr int kRuns = 9;
// Word at a time, 1 GiB would take minutes per run, and its speed does not depend on the size.
constexpr std::uint64_t kLargestWordAtATime = 64 * kMiB;

bool Convert(const std::string& input)
{
    return ConvertFile(input, LeadByteSet{}, SystemFileAccess()) == ConversionOutcome::Converted;
}

// The conversion names its own output, beside the input.
bool ConvertBeside(const std::string& input, const std::string&)
{
    return Convert(input);
}

bool CopyThroughSystem(const std::string& input, const std::string& output)
{
    return CopyPlain(input, output, SystemFileAccess());
}

struct Method {
    std::string output;
    bool (*run)(const std::string& input, const std::string& output);
    std::vector<double> seconds;

    // Each run writes a new file, removed at once: no run pays for cutting an earlier output, and
    // the disk holds at most the input and one output.
    bool RunOnce(const std::string& input, bool keep)
    {
        double taken = 0;
        const bool succeeded = TimeOnce([&] { return run(input, output); }, taken);
        std::remove(output.c_str());
        if (keep) seconds.push_back(taken);
        return succeeded;
    }
    double MiBPerSecond(std::uint64_t size) const
    {
        return static_cast<double>(size / kMiB) / Median(seconds);
    }
};

struct Row {
    std::uint64_t size;
    double convert;  // median MiB/s
    double copy;
    double wordAtATime;  // 0 where it was not run
};

// One warm-up run of each method, then the timed runs, taking turns so that a disturbance of the
// machine falls on all of them alike.
bool Measure(const std::string& directory, std::uint64_t size, Row& row)
{
    const std::string input = directory + "/input.bin";
    if (!WriteSampleFile(input, size, SystemFileAccess())) return false;

    Method convert{DeriveOutputPath(input, LeadByteSet{}), ConvertBeside, {}};
    Method copy{directory + "/copy.bin", CopyThroughSystem, {}};
    Method wordAtATime{directory + "/word.bin", ConvertWordAtATime, {}};
    std::vector<Method*> methods{&convert, &copy};
    if (size <= kLargestWordAtATime) methods.push_back(&wordAtATime);

    bool succeeded = true;
    for (int run = 0; run <= kRuns && succeeded; ++run) {
        for (Method* method : methods) succeeded = succeeded && method->RunOnce(input, run > 0);
    }
    std::remove(input.c_str());
    if (!succeeded) return false;

    row = {size,
           convert.MiBPerSecond(size),
           copy.MiBPerSecond(size),
           wordAtATime.seconds.empty() ? 0 : wordAtATime.MiBPerSecond(size)};
    return true;
}

void PrintRow(const Row& row)
{
    std::printf(
        "%8llu MiB %12.0f %12.0f", static_cast<unsigned long long>(row.size / kMiB), row.convert, row.copy);
    if (row.wordAtATime > 0) {
        std::printf(" %15.0f %14.3f %14.1f\n",
                    row.wordAtATime,
                    row.copy / row.convert,
                    row.convert / row.wordAtATime);
    } else {
        std::printf(" %15s %14.3f %14s\n", "-", row.copy / row.convert, "-");
    }
}

int RunTable(const std::string& directory)
{
    std::printf("MiB/s, median of %d runs after one warm-up; block size %llu KiB\n",
                kRuns,
                static_cast<unsigned long long>(kConversionBlockSize / 1024));
    std::printf("%12s %12s %12s %15s %14s %14s\n",
                "size",
                "convert",
                "copy",
                "word-at-a-time",
                "convert/copy",
                "word/convert");
    std::vector<Row> rows;
    for (const std::uint64_t size : kSizes) {
        Row row{};
        if (!Measure(directory, size, row)) {
            std::fprintf(stderr,
                         "quorvane_bench: a run failed at %llu MiB in %s\n",
                         static_cast<unsigned long long>(size / kMiB),
                         directory.c_str());
            return 1;
        }
        PrintRow(row);
        std::fflush(stdout);
        rows.push_back(row);
    }

    // Times are ratios of time taken: convert/copy is copy's throughput over convert's.
    const Row& largest = rows.back();
    double wordAtATime = 0;
    for (const Row& row : rows)
        if (row.wordAtATime > 0) wordAtATime = row.wordAtATime;
    std::printf("word-at-a-time runs up to %llu MiB only; at %llu MiB it would take about %.0f s per run.\n",
                static_cast<unsigned long long>(kLargestWordAtATime / kMiB),
                static_cast<unsigned long long>(largest.size / kMiB),
                static_cast<double>(largest.size / kMiB) / wordAtATime);
    std::printf("at %llu MiB: convert/copy %.3f (goal: at most 1.10), word-at-a-time/convert %.1f "
                "(goal: at least 10, against its %llu MiB figure)\n",
                static_cast<unsigned long long>(largest.size / kMiB),
                largest.copy / largest.convert,
                largest.convert / wordAtATime,
                static_cast<unsigned long long>(kLargestWordAtATime / kMiB));
    return 0;
}

}  // namespace
}  // namespace quorvane::bench

int main(int argc, char** argv)
{
    using namespace quorvane::bench;
    if (argc == 2) return RunTable(argv[1]);
    if (argc == 3 && std::string_view(argv[1]) == "--convert") return Convert(argv[2]) ? 0 : 1;
    std::fprintf(stderr, "usage: quorvane_bench DIRECTORY | quorvane_bench --convert FILE\n");
    return 2;
}
