#include "ansi_code_page.h"

namespace {

AnsiCodePage ReadAnsiCodePage()
{
    AnsiCodePage result{::GetACP(), {}};
    CPINFO info{};
    if (::GetCPInfo(result.codePage, &info) && info.MaxCharSize > 1) {
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
            result.leadByteRanges.emplace_back(info.LeadByte[i], info.LeadByte[i + 1]);
        }
    }
    return result;
}

}  // namespace

const AnsiCodePage& AfxGetAnsiCodePage()
{
    static const AnsiCodePage codePage = ReadAnsiCodePage();
    return codePage;
}
