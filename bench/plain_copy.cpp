#include "plain_copy.h"

#include <memory>

#include "word_rotation.h"

namespace quorvane::bench {

bool CopyPlain(const std::string& from, const std::string& to, FileAccess& files)
{
    const auto buffer = std::make_unique_for_overwrite<std::byte[]>(kConversionBlockSize);
    const std::unique_ptr<OpenFile> input = files.OpenForReading(from);
    const std::unique_ptr<OpenFile> output = input ? files.OpenForWriting(to) : nullptr;
    if (!output || !output->Truncate()) return false;

    for (;;) {
        const std::optional<std::size_t> received = input->Read({buffer.get(), kConversionBlockSize});
        if (!received) return false;
        if (*received == 0) break;
        if (!output->Write({buffer.get(), *received})) return false;
    }
    const bool inputClosed = input->Close();
    return output->Close() && inputClosed;
}

}  // namespace quorvane::bench
