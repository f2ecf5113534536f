#include "converter_app.h"

#include "converter_dlg.h"

CConverterApp theApp;

const CCmdTarget::MessageMap* CConverterApp::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnCommand(ID_HELP, 0, &CWinApp::OnHelp),
    };
    static const MessageMap map{CWinApp::GetMessageMap(), entries};
    return &map;
}

BOOL CConverterApp::InitInstance()
{
    Enable3dControlsStatic();
    CConverterDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    // However the dialog ends, the program ends with it.
    dialog.DoModal();
    return FALSE;
}
