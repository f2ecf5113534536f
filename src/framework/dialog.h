#pragma once

#include <vector>

#include "wnd.h"

class CDialog;

// Which way a data exchange runs; controls are bound in either direction.
struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds a member control object to the dialog's child window of that id, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// A modal dialog built from a template of the program's resources.
class CDialog : public CWnd {
public:
    CDialog(UINT nIDTemplate, CWnd* pParentWnd);

    // IDOK, IDCANCEL, or -1 when the dialog could not be made.
    INT_PTR DoModal();
    const MessageMap* GetMessageMap() const override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

private:
    friend void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam);
    void CentreOnPrimaryWorkArea();
    void ForgetWindows();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::vector<CWnd*> m_boundControls;
};
