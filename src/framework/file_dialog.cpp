#include "file_dialog.h"

#include "win_app.h"

namespace {

// "Text(*.txt)|*.txt||" becomes the system's "Text(*.txt)\0*.txt\0\0"; the second byte of a
// double-byte character is never taken for a bar.
std::string SystemFilter(const char* filter)
{
    std::string result = filter != nullptr ? filter : "";
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(result[i]))) {
            ++i;
        } else if (result[i] == '|') {
            result[i] = '\0';
        }
    }
    return result;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog,
                         const char* lpszDefExt,
                         const char* lpszFileName,
                         DWORD dwFlags,
                         const char* lpszFilter,
                         CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog),
      m_pParentWnd(pParentWnd),
      m_strFilter(SystemFilter(lpszFilter)),
      m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : "")
{
    if (lpszFileName != nullptr) ::lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    m_ofn.hwndOwner = owner != nullptr ? owner->m_hWnd : nullptr;
    m_ofn.hInstance = AfxGetInstanceHandle();
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
