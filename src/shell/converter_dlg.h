#pragma once

#include "dialog.h"
#include "lead_bytes.h"

// The program's one window: a file name field, "Browse" to fill it, "Change" to convert the file.
class CConverterDlg : public CDialog {
public:
    explicit CConverterDlg(CWnd* pParent);
    const MessageMap* GetMessageMap() const override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBrowseButton();
    void OnChangeButton();

    CEdit m_editFileName;
    HICON m_hAppIcon;
    quorvane::LeadByteSet m_leadBytes;  // of the system's ANSI code page, in which the field's text is
};
