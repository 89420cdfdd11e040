#include "app/tank_app.h"

#include "app/main_frame.h"
#include "app/resource.h"
#include "platform/instance.h"
#include "ui/about_dlg.h"
#include "ui/skin_art.h"
#include "ui/tool_cursors.h"

#include <cstdlib>

namespace {
// The title comes from the string table, as the frame's does.
const bool g_stringsRegistered = [] {
    RegisterString(AFX_IDS_APP_TITLE, APP_TITLE);
    RegisterString(IDR_MAINFRAME, APP_TITLE);
    return true;
}();
}  // namespace

CTankApp::CTankApp() : CWinApp(nullptr) {}

BOOL CTankApp::InitInstance()
{
    HANDLE first = CreateMutexA(nullptr, TRUE, "Ardelwyn");
    if (first && GetLastError() == ERROR_ALREADY_EXISTS)
        std::exit(0);
    CreateMutexA(nullptr, TRUE, m_strAppName.c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;

    RegisterUiPictures();
    RegisterToolCursors();
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    SetRegistryKey("Local AppWizard-Generated Applications");

    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
        // Without a frame there is nothing to run.
        m_pMainWnd = nullptr;
        delete frame;
        return FALSE;
    }
    frame->CenterWindow();
    frame->UpdateWindow();
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    return TRUE;
}

BOOL CTankApp::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo)
{
    if (id == ID_APP_ABOUT) {
        OnAppAbout();
        return TRUE;
    }
    return CWinApp::OnCmdMsg(id, code, extra, handlerInfo);
}

void CTankApp::OnAppAbout()
{
    CAboutDlg dialog;
    dialog.DoModal();
}
