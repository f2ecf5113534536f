// The naming rules for any path text under each lead-byte table: the first byte picks the table,
// the rest is the text, passed as the fuzzer's own buffer so that ASan sees any read past its end.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "output_naming.h"

namespace quorvane::fuzz {
namespace {

const LeadByteSet kLeadByteSets[] = {
    LeadByteSet{},
    LeadByteSet::ForCodePage(932, {}),
    LeadByteSet::ForCodePage(936, {}),
    LeadByteSet::ForCodePage(949, {}),
    LeadByteSet::ForCodePage(950, {}),
    LeadByteSet::ForCodePage(1361, {}),
};

bool IsSeparator(char byte)
{
    return byte == '\\' || byte == '/';
}

// Where each character of the text begins, read front to back; a lead byte takes the next byte along.
std::vector<bool> CharacterStarts(std::string_view text, const LeadByteSet& leadBytes)
{
    std::vector<bool> starts(text.size(), false);
    for (std::size_t i = 0; i < text.size(); ++i) {
        starts[i] = true;
        if (leadBytes.Contains(static_cast<unsigned char>(text[i]))) ++i;
    }
    return starts;
}

// "chg" goes in before the dot that begins the last component's extension, or at the end when
// that component has no dot; a drive "X:" is never part of a component.
void CheckInsertionPoint(std::string_view text, std::size_t at, const LeadByteSet& leadBytes)
{
    const std::vector<bool> starts = CharacterStarts(text, leadBytes);
    const std::size_t componentSearchStart = text.size() >= 2 && text[1] == ':' ? 2 : 0;
    Require(at >= componentSearchStart, "the insertion point lies inside the drive");
    Require(at == text.size() || (starts[at] && text[at] == '.'),
            "the insertion point is neither the end nor a dot character");
    bool inLastComponent = true;
    for (std::size_t i = text.size(); i-- > componentSearchStart;) {
        if (!starts[i]) continue;
        if (IsSeparator(text[i])) inLastComponent = false;
        if (i > at) {
            Require(!IsSeparator(text[i]), "a separator character follows the extension's dot");
            Require(text[i] != '.', "a later dot character follows the extension's dot");
        }
        if (at == text.size() && inLastComponent) {
            Require(text[i] != '.', "the last component has a dot but nothing was put before it");
        }
    }
}

void CheckNaming(std::string_view text, const LeadByteSet& leadBytes)
{
    const PathParts parts = SplitPath(text, leadBytes);
    Require(parts.drive + parts.dir + parts.base + parts.ext == text,
            "SplitPath's pieces do not give the text");
    Require(JoinPath(parts, leadBytes) == text, "JoinPath(SplitPath(t)) differs from t");

    const std::size_t at = parts.drive.size() + parts.dir.size() + parts.base.size();
    const std::string derived = DeriveOutputPath(text, leadBytes);
    Require(derived.size() == text.size() + 3, "the derived path is not exactly 3 bytes longer");
    Require(std::string_view(derived).substr(0, at) == text.substr(0, at) &&
                std::string_view(derived).substr(at, 3) == "chg" &&
                std::string_view(derived).substr(at + 3) == text.substr(at),
            "the derived path is not the text with \"chg\" at drive+dir+base");
    CheckInsertionPoint(text, at, leadBytes);
}

}  // namespace
}  // namespace quorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const auto& sets = quorvane::fuzz::kLeadByteSets;
    const quorvane::LeadByteSet& leadBytes = sets[data[0] % std::size(sets)];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    // A path text cannot hold a zero byte; such inputs are not worth keeping.
    if (text.find('\0') != std::string_view::npos) return -1;
    quorvane::fuzz::CheckNaming(text, leadBytes);
    return 0;
}
