// The conversion over random inputs, served from memory in reads of sizes the fuzz data chooses
// (so lone bytes are carried across blocks), with at most one fault at a point it chooses too.
// The output must be the word-at-a-time rotation of the input and the outcome must name the fault.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "fuzz_check.h"
#include "rotated_words.h"
#include "word_rotation.h"

namespace quorvane::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Fault {
    None,
    OpenInput,
    OpenOutput,
    Truncate,
    Read,
    Write,
    CloseInput,
    CloseOutput,
    kMaxValue = CloseOutput
};

struct Plan {
    Fault fault = Fault::None;
    unsigned faultyCall = 1;  // which read or write fails
    std::size_t readSizes[3] = {1, 1, 1};
};

const std::string kInputPath = "in.bin";
const std::string kOutputPath = "inchg.bin";
constexpr FileIdentity kInputIdentity{1, 1};
constexpr FileIdentity kOutputIdentity{1, 2};

// Two files in memory: the input, and an output that starts with stale content to be truncated.
class MemoryFileAccess final : public FileAccess {
public:
    MemoryFileAccess(Plan chosen, Bytes content) : plan(chosen), input(std::move(content)) {}

    const Plan plan;
    const Bytes input;
    std::optional<Bytes> output = Bytes(3, 0x5A);
    std::optional<Fault> fired;
    int openFiles = 0;

    std::unique_ptr<OpenFile> OpenForReading(const std::string& path) override
    {
        Require(path == kInputPath, "the input was opened under another name");
        if (Fire(Fault::OpenInput)) return nullptr;
        return std::make_unique<File>(*this, true);
    }
    std::unique_ptr<OpenFile> OpenForWriting(const std::string& path) override
    {
        Require(path == kOutputPath, "the output was opened under another name");
        if (Fire(Fault::OpenOutput)) return nullptr;
        return std::make_unique<File>(*this, false);
    }
    bool Remove(const std::string& path, const FileIdentity& identity) override
    {
        Require(path == kOutputPath && identity == kOutputIdentity,
                "something other than the output was removed");
        output.reset();
        return true;
    }

private:
    class File final : public OpenFile {
    public:
        File(MemoryFileAccess& disk, bool isInput) : m_disk(disk), m_isInput(isInput) { ++m_disk.openFiles; }

        FileIdentity Identity() const override { return m_isInput ? kInputIdentity : kOutputIdentity; }

        std::optional<std::size_t> Read(std::span<std::byte> buffer) override
        {
            Require(m_open && m_isInput, "a read from the output or from a closed file");
            Require(!buffer.empty(), "a read into an empty buffer cannot tell the end of the file");
            const std::size_t call = ++m_calls;
            if (m_disk.Fire(Fault::Read, call)) return std::nullopt;
            const std::size_t size =
                std::min({buffer.size(), m_disk.plan.readSizes[call % 3], m_disk.input.size() - m_position});
            std::copy_n(m_disk.input.begin() + static_cast<std::ptrdiff_t>(m_position),
                        size,
                        reinterpret_cast<std::uint8_t*>(buffer.data()));
            m_position += size;
            return size;
        }
        bool Write(std::span<const std::byte> bytes) override
        {
            Require(m_open && !m_isInput, "a write to the input or to a closed file");
            Require(m_truncated, "a write before the stale output was cut");
            if (m_disk.Fire(Fault::Write, ++m_calls)) return false;
            const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data());
            m_disk.output->insert(m_disk.output->end(), first, first + bytes.size());
            return true;
        }
        bool Truncate() override
        {
            Require(m_open && !m_isInput, "the input or a closed file was truncated");
            if (m_disk.Fire(Fault::Truncate)) return false;
            m_disk.output->clear();
            m_truncated = true;
            return true;
        }
        bool Close() override
        {
            Require(m_open, "a file was closed twice");
            m_open = false;
            --m_disk.openFiles;
            return !m_disk.Fire(m_isInput ? Fault::CloseInput : Fault::CloseOutput);
        }

    private:
        MemoryFileAccess& m_disk;
        bool m_isInput;
        bool m_open = true;
        bool m_truncated = false;
        std::size_t m_calls = 0;
        std::size_t m_position = 0;
    };

    // Reads and writes are counted; the other faults happen at their one chance.
    bool Fire(Fault fault, std::optional<std::size_t> call = std::nullopt)
    {
        if (fault != plan.fault || (call && *call != plan.faultyCall)) return false;
        fired = fault;
        return true;
    }
};

ConversionOutcome ExpectedOutcome(std::optional<Fault> fired)
{
    if (!fired) return ConversionOutcome::Converted;
    switch (*fired) {
    case Fault::OpenInput:
    case Fault::OpenOutput:
    case Fault::Truncate: return ConversionOutcome::OpenFailed;
    case Fault::Read:
    case Fault::CloseInput: return ConversionOutcome::ReadFailed;
    case Fault::Write:
    case Fault::CloseOutput: return ConversionOutcome::WriteFailed;
    case Fault::None: break;
    }
    return ConversionOutcome::Converted;
}

void CheckConversion(FuzzedDataProvider& data)
{
    Plan plan;
    plan.fault = data.ConsumeEnum<Fault>();
    plan.faultyCall = data.ConsumeIntegralInRange<unsigned>(1, 8);
    for (std::size_t& size : plan.readSizes) size = data.ConsumeIntegralInRange<std::size_t>(1, 600);

    MemoryFileAccess files(plan, data.ConsumeRemainingBytes<std::uint8_t>());
    const ConversionOutcome outcome = ConvertFile(kInputPath, {}, files);

    Require(files.openFiles == 0, "a file was left open");
    Require(outcome == ExpectedOutcome(files.fired), "the outcome does not name the fault that happened");
    switch (outcome) {
    case ConversionOutcome::Converted:
        Require(files.output == testing::RotatedWords(files.input),
                "the output is not the word-at-a-time rotation");
        break;
    case ConversionOutcome::OpenFailed:
        Require(files.output == Bytes(3, 0x5A), "a failed open changed the old output");
        break;
    case ConversionOutcome::ReadFailed:
    case ConversionOutcome::WriteFailed:
        Require(!files.output, "an incomplete output was left behind");
        break;
    }
}

}  // namespace
}  // namespace quorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    quorvane::fuzz::CheckConversion(provider);
    return 0;
}
