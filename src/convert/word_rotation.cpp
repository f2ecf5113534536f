#include "word_rotation.h"

#include <bit>
#include <cstring>
#include <memory>
#include <new>

#include "output_naming.h"

namespace quorvane {
namespace {

// Copies the input to the output in blocks, rotating every whole word. A lone byte at the end of a
// block waits at the front of the buffer for its partner; at the end of the file it is dropped.
ConversionOutcome CopyRotated(OpenFile& input, OpenFile& output, std::span<std::byte> buffer)
{
    std::size_t carried = 0;
    for (;;) {
        const std::optional<std::size_t> received = input.Read(buffer.subspan(carried));
        if (!received) return ConversionOutcome::ReadFailed;
        if (*received == 0) return ConversionOutcome::Converted;

        const std::size_t filled = carried + *received;
        const std::span<std::byte> words = buffer.first(filled & ~std::size_t{1});
        RotateWords(words);
        if (!output.Write(words)) return ConversionOutcome::WriteFailed;

        carried = filled - words.size();
        if (carried != 0) buffer[0] = buffer[words.size()];
    }
}

}  // namespace

std::string_view MessageText(ConversionOutcome outcome)
{
    switch (outcome) {
    case ConversionOutcome::Converted: return "OK";
    case ConversionOutcome::OpenFailed: return "File open error.";
    case ConversionOutcome::ReadFailed: return "File read error.";
    case ConversionOutcome::WriteFailed: return "File write error.";
    }
    return "File open error.";
}

void RotateWords(std::span<std::byte> block)
{
    // Eight words at a time in one 16-byte vector, which both targets do in single SSE2 instructions,
    // and four independent vectors a step, which keeps the processor busy: the conversion then takes
    // little more time than the copy it rides on.
    static_assert(std::endian::native == std::endian::little, "the lanes must be little-endian words");
    using Lanes = std::uint16_t __attribute__((vector_size(16)));
    constexpr std::size_t kStep = 4 * sizeof(Lanes);

    std::byte* bytes = block.data();
    const auto rotateLanes = [bytes](std::size_t at) {
        Lanes lanes;
        std::memcpy(&lanes, bytes + at, sizeof lanes);
        lanes = (lanes << 4) | (lanes >> 12);
        std::memcpy(bytes + at, &lanes, sizeof lanes);
    };
    const std::size_t size = block.size() & ~std::size_t{1};
    std::size_t i = 0;
    for (; i + kStep <= size; i += kStep) {
        for (std::size_t lane = 0; lane < kStep; lane += sizeof(Lanes)) rotateLanes(i + lane);
    }
    for (; i + sizeof(Lanes) <= size; i += sizeof(Lanes)) rotateLanes(i);
    for (; i < size; i += 2) {
        std::uint16_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        word = RotateWord(word);
        std::memcpy(bytes + i, &word, sizeof word);
    }
}

ConversionOutcome ConvertFile(const std::string& path, const LeadByteSet& leadBytes, FileAccess& files)
{
    const std::unique_ptr<std::byte[]> buffer(new (std::nothrow) std::byte[kConversionBlockSize]);
    if (!buffer) return ConversionOutcome::OpenFailed;

    const std::unique_ptr<OpenFile> input = files.OpenForReading(path);
    if (!input) return ConversionOutcome::OpenFailed;

    const std::string outputPath = DeriveOutputPath(path, leadBytes);
    const std::unique_ptr<OpenFile> output = files.OpenForWriting(outputPath);
    if (!output) {
        input->Close();
        return ConversionOutcome::OpenFailed;
    }
    // The output is opened without truncation so that a name leading back to the input (a hard or
    // symbolic link) is caught before a single byte of the input is lost.
    const FileIdentity outputIdentity = output->Identity();
    if (outputIdentity == input->Identity() || !output->Truncate()) {
        output->Close();
        input->Close();
        return ConversionOutcome::OpenFailed;
    }

    ConversionOutcome outcome = CopyRotated(*input, *output, {buffer.get(), kConversionBlockSize});
    // Emptied while still open: should the removal below be refused (another program holding the
    // file without sharing its deletion), nothing is left that could pass for a result.
    if (outcome != ConversionOutcome::Converted) output->Truncate();
    const bool inputClosed = input->Close();
    const bool outputClosed = output->Close();
    if (outcome == ConversionOutcome::Converted && !outputClosed) outcome = ConversionOutcome::WriteFailed;
    if (outcome == ConversionOutcome::Converted && !inputClosed) outcome = ConversionOutcome::ReadFailed;

    // An incomplete output must not be taken for a result. It was checked not to be the input, and
    // Remove leaves whatever the path names now if that is no longer the file we wrote.
    if (outcome != ConversionOutcome::Converted) files.Remove(outputPath, outputIdentity);
    return outcome;
}

}  // namespace quorvane
