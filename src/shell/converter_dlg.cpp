#include "converter_dlg.h"

#include <string>
#include <vector>

#include "ansi_code_page.h"
#include "file_dialog.h"
#include "paint_dc.h"
#include "resource.h"
#include "win_app.h"
#include "word_rotation.h"

namespace {

quorvane::LeadByteSet ActiveLeadBytes()
{
    const AnsiCodePage& ansi = AfxGetAnsiCodePage();
    std::vector<quorvane::LeadByteSet::Range> ranges;
    for (const auto& [first, last] : ansi.leadByteRanges) ranges.push_back({first, last});
    return quorvane::LeadByteSet::ForCodePage(ansi.codePage, ranges);
}

}  // namespace

CConverterDlg::CConverterDlg(CWnd* pParent)
    : CDialog(IDD_CONVERTER_DIALOG, pParent),
      m_hAppIcon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_APP_ICON))),
      m_leadBytes(ActiveLeadBytes())
{
}

const CCmdTarget::MessageMap* CConverterDlg::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnMessage(WM_PAINT, &CConverterDlg::OnPaint),
        OnCursorMessage(WM_QUERYDRAGICON, &CConverterDlg::OnQueryDragIcon),
        OnCommand(IDC_BROWSE, BN_CLICKED, &CConverterDlg::OnBrowseButton),
        OnCommand(IDC_CHANGE, BN_CLICKED, &CConverterDlg::OnChangeButton),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void CConverterDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_FILE_NAME, m_editFileName);
}

BOOL CConverterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hAppIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hAppIcon));
    return TRUE;  // the focus goes to the first tab stop, the default button
}

// Minimised, the dialog shows its icon in the middle of what is left of it.
void CConverterDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hAppIcon);
}

HCURSOR CConverterDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hAppIcon);
}

void CConverterDlg::OnBrowseButton()
{
    CFileDialog dialog(
        TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "File(*.*)|*.*||", nullptr);
    if (dialog.DoModal() != IDOK) return;
    m_editFileName.SetWindowText(dialog.GetPathName().c_str());
}

void CConverterDlg::OnChangeButton()
{
    const std::string path = m_editFileName.GetWindowText();
    const quorvane::ConversionOutcome outcome = ConvertFile(path, m_leadBytes, quorvane::SystemFileAccess());
    AfxMessageBox(std::string(MessageText(outcome)).c_str(), MB_OK, 0);
}
