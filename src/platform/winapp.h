// The application object, its message loop and the frame window.
#pragma once
#include "platform/wnd.h"

#include <string>

// Strings of the program's string table, by id (registered by the program).
void RegisterString(UINT id, const char* text);
std::string LoadStringResource(UINT id);

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();

    // Called once the toolkit is up; FALSE ends the program.
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Runs the message loop until the main window is destroyed or
    // PostQuitMessage; returns the exit code.
    virtual int Run();
    // Commands the windows did not handle come here last.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo);

    void SetRegistryKey(const char* key);
    // The application profile (an INI file in the settings folder).
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);

    CWnd* m_pMainWnd = nullptr;
    std::string m_strAppName;
    std::string m_strRegistryKey;
};

CWinApp* AfxGetApp();
void AfxEnableControlContainer();
BOOL Enable3dControlsStatic();

// Starts the toolkit once (selecting X11 with GLX unless the environment
// chooses) and the C locale for numbers. False when no display can be opened.
bool AfxInitToolkit(int argc, char** argv);

// Starts the toolkit, runs InitInstance and the message loop of the one
// application object, and frees the main window at the end.
int AfxWinMain(int argc, char** argv);

// Delivers messages (timer ticks included) for about `milliseconds`; for tests
// and the benchmark, which drive windows without the message loop.
void AfxPumpMessages(int milliseconds);

// The string id of the application title and of frame resources.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame from resource `resourceId` (its title is string
    // `resourceId`), sized to the screen's available area.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style, CWnd* parent = nullptr, void* context = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnClose() override;
    void OnDestroy() override;
    // Sizes the view (child AFX_IDW_PANE_FIRST) to the client area.
    void RecalcLayout();
};

// A window class registered with the given class style; the layer keeps only
// what its windows use (double clicks).
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;
const char* AfxRegisterWndClass(UINT classStyle, void* cursor = nullptr, void* background = nullptr,
                                void* icon = nullptr);
