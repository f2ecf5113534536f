#include "output_naming.h"

#include <cstddef>

namespace quorvane {
namespace {

constexpr std::string_view kSuffix = "chg";

bool IsSeparator(char byte)
{
    return byte == '\\' || byte == '/';
}

bool IsLead(const LeadByteSet& leadBytes, char byte)
{
    return leadBytes.Contains(static_cast<unsigned char>(byte));
}

// Whether the last character of a non-empty text is a separator, found by stepping back from
// its end: the last byte may be the second half of a double-byte character.
bool EndsInSeparator(std::string_view text, const LeadByteSet& leadBytes)
{
    std::size_t last = text.size() - 1;
    if (IsLead(leadBytes, text[last])) {
        // A lead byte cannot end a well-formed text, so it stands second in a character.
        if (last == 0) return false;
        return IsSeparator(text[last - 1]);
    }
    std::size_t leadsBefore = 0;
    while (leadsBefore < last && IsLead(leadBytes, text[last - 1 - leadsBefore])) ++leadsBefore;
    return leadsBefore % 2 == 0 && IsSeparator(text[last]);
}

}  // namespace

PathParts SplitPath(std::string_view path, const LeadByteSet& leadBytes)
{
    PathParts parts;
    std::string_view rest = path;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        rest = path.substr(2);
    }

    constexpr std::size_t kUnset = std::string_view::npos;
    std::size_t lastSeparator = kUnset;
    std::size_t lastDot = kUnset;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (IsLead(leadBytes, rest[i])) {
            ++i;  // the second byte belongs to the character; a lone last lead byte just ends the scan
        } else if (IsSeparator(rest[i])) {
            lastSeparator = i;
        } else if (rest[i] == '.') {
            lastDot = i;
        }
    }

    const std::size_t componentStart = lastSeparator == kUnset ? 0 : lastSeparator + 1;
    parts.dir = rest.substr(0, componentStart);
    const bool hasExtension = lastDot != kUnset && lastDot >= componentStart;
    const std::size_t baseEnd = hasExtension ? lastDot : rest.size();
    parts.base = rest.substr(componentStart, baseEnd - componentStart);
    parts.ext = rest.substr(baseEnd);
    return parts;
}

std::string JoinPath(const PathParts& parts, const LeadByteSet& leadBytes)
{
    std::string path;
    path.reserve(parts.drive.size() + parts.dir.size() + parts.base.size() + parts.ext.size() + 2);
    if (!parts.drive.empty()) {
        path += parts.drive.front();
        path += ':';
    }
    if (!parts.dir.empty()) {
        path += parts.dir;
        if (!EndsInSeparator(parts.dir, leadBytes)) path += '\\';
    }
    path += parts.base;
    if (!parts.ext.empty() && parts.ext.front() != '.') path += '.';
    path += parts.ext;
    return path;
}

std::string DeriveOutputPath(std::string_view path, const LeadByteSet& leadBytes)
{
    PathParts parts = SplitPath(path, leadBytes);
    parts.base += kSuffix;
    return JoinPath(parts, leadBytes);
}

}  // namespace quorvane
