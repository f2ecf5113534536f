#pragma once

#include "wnd.h"  // brings windows.h, which the common dialog header needs first

#include <commdlg.h>

#include <string>

// The system's file-open or save-as dialog, for one run.
class CFileDialog {
public:
    CFileDialog(BOOL bOpenFileDialog,
                const char* lpszDefExt,
                const char* lpszFileName,
                DWORD dwFlags,
                const char* lpszFilter,
                CWnd* pParentWnd);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen; IDCANCEL when cancelled, closed or failed.
    INT_PTR DoModal();
    // The chosen file's full path.
    std::string GetPathName() const { return m_szFileName; }

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    std::string m_strFilter;  // the system's form: entries separated by zero bytes
    std::string m_strDefExt;
    char m_szFileName[MAX_PATH] = {};
    char m_szFileTitle[64] = {};
    OPENFILENAMEA m_ofn{};
};
