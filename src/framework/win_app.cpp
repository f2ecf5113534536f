#include "win_app.h"

#include "ansi_code_page.h"
#include "module_names.h"

namespace {

CWinApp* g_pApp = nullptr;

std::string AnsiFromWide(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

std::string ModulePath()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    g_pApp = nullptr;
}

int CWinApp::DoMessageBox(const char* prompt, UINT type, UINT)
{
    const HWND owner = m_pMainWnd != nullptr ? ::GetLastActivePopup(m_pMainWnd->m_hWnd) : nullptr;
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return ::MessageBoxA(owner, prompt, m_strAppName.c_str(), type);
}

void CWinApp::OnHelp()
{
    if (m_pMainWnd == nullptr) return;
    const DWORD topic = HID_BASE_RESOURCE + m_pMainWnd->m_nIDHelp;
    if (!::WinHelpA(m_pMainWnd->m_hWnd, m_strHelpFilePath.c_str(), HELP_CONTEXT, topic)) {
        AfxMessageBox(AnsiFromWide(L"启动帮助失败。").c_str());
    }
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return LOBYTE(LOWORD(::GetVersion())) >= 4;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp != nullptr ? g_pApp->m_hInstance : nullptr;
}

int AfxMessageBox(const char* text, UINT type, UINT helpId)
{
    return g_pApp->DoMessageBox(text, type, helpId);
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return -1;

    // A drive without a medium, for instance, then simply fails to open instead of asking the user.
    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    AfxGetAnsiCodePage();  // settled now, before any window or path text
    app->m_hInstance = instance;
    const ModuleNames names = ModuleNamesFromPath(ModulePath());
    app->m_strAppName = names.title;
    app->m_strHelpFilePath = names.helpFilePath;

    app->InitInstance();
    app->m_pMainWnd = nullptr;
    return app->ExitInstance();
}
