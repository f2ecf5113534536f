#pragma once

#include <string>

#include "wnd.h"

// The help command, sent to the main window for F1.
constexpr UINT ID_HELP = 0xE146;
// Help topics of windows made from resource templates start here.
constexpr UINT HID_BASE_RESOURCE = 0x20000;

// The application: exactly one static object, constructed before WinMain runs.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's whole run; returning FALSE ends it.
    virtual BOOL InitInstance() = 0;
    virtual int ExitInstance() { return 0; }
    // Shows a message owned by the main window, captioned with the application title.
    virtual int DoMessageBox(const char* prompt, UINT type, UINT helpId);
    // Asks the system's help engine for the main window's topic of the application's help file.
    void OnHelp();
    // The system draws 3-D controls itself from version 4 on; older ones get no restyling.
    BOOL Enable3dControlsStatic();

    HINSTANCE m_hInstance = nullptr;
    std::string m_strAppName;       // the executable's name without directory and extension
    std::string m_strHelpFilePath;  // the executable's path with ".HLP" for its extension
    CWnd* m_pMainWnd = nullptr;     // the main window, for exactly the time it exists

private:
    friend int AfxWinMain(HINSTANCE instance);
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);

// Start-up and shutdown of the process around the application's InitInstance.
int AfxWinMain(HINSTANCE instance);
