#include "dialog.h"

#include "help_key.h"
#include "win_app.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr) return;
    rControl.Attach(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC));
    pDX->m_pDlgWnd->m_boundControls.push_back(&rControl);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
    m_nIDHelp = nIDTemplate;
}

const CCmdTarget::MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand(IDOK, BN_CLICKED, &CDialog::OnOK),
        OnCommand(IDCANCEL, BN_CLICKED, &CDialog::OnCancel),
    };
    static const MessageMap map{CCmdTarget::GetMessageMap(), entries};
    return &map;
}

INT_PTR CDialog::DoModal()
{
    const HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    const CHelpKeyFilter helpKey;
    const INT_PTR result = ::DialogBoxParamA(AfxGetInstanceHandle(),
                                             MAKEINTRESOURCEA(m_nIDTemplate),
                                             owner,
                                             DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    // Also when no window was made: nothing may keep pointing at this object or a dead handle.
    ForgetWindows();
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange{this, bSaveAndValidate};
    DoDataExchange(&exchange);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
    }
    // Messages that come before WM_INITDIALOG are left to the system.
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    return dialog != nullptr ? dialog->HandleMessage(message, wParam) : FALSE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG: CentreOnPrimaryWorkArea(); return OnInitDialog();
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        const UINT notifyCode = HIWORD(wParam);
        // A command the dialog does not handle goes on to the application.
        return OnCmdMsg(id, notifyCode) || AfxGetApp()->OnCmdMsg(id, notifyCode);
    }
    case WM_HELP:
        // F1 is turned into a help command before the dialog manager sees it; help requests from
        // anywhere else (Shift+F1, a message box) do nothing.
        return TRUE;
    case WM_NCDESTROY: ForgetWindows(); return FALSE;
    }

    const MessageMapEntry* entry = FindEntry(message, 0, 0);
    if (entry == nullptr) return FALSE;
    m_bDefaultProcessing = false;
    if (entry->cursorHandler != nullptr) return reinterpret_cast<INT_PTR>((this->*entry->cursorHandler)());
    (this->*entry->handler)();
    return m_bDefaultProcessing ? FALSE : TRUE;
}

// A dialog placed at 0, 0 by its template and without an owner is shown in the middle of the
// primary monitor's work area, where a user looks for it.
void CDialog::CentreOnPrimaryWorkArea()
{
    RECT window{};
    RECT workArea{};
    ::GetWindowRect(m_hWnd, &window);
    if (window.left != 0 || window.top != 0 || ::GetWindow(m_hWnd, GW_OWNER) != nullptr) return;
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) return;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int y = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::ForgetWindows()
{
    for (CWnd* control : m_boundControls) control->Detach();
    m_boundControls.clear();
    m_hWnd = nullptr;
    CWinApp* app = AfxGetApp();
    if (app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}
