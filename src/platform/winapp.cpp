// The application object, its message loop and the frame window.
#include "platform/winapp.h"

#include "platform/files.h"
#include "platform/gdi_internal.h"
#include "platform/native.h"
#include "platform/profile.h"
#include "platform/sound.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <clocale>
#include <cstring>
#include <dlfcn.h>
#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

CWinApp* g_app = nullptr;
std::map<UINT, std::string>& Strings()
{
    static std::map<UINT, std::string> strings;
    return strings;
}
std::map<UINT, std::string>& WndClasses()
{
    static std::map<UINT, std::string> classes;
    return classes;
}

}  // namespace

void RegisterString(UINT id, const char* text) { Strings()[id] = text ? text : ""; }

std::string LoadStringResource(UINT id)
{
    auto it = Strings().find(id);
    return it == Strings().end() ? std::string() : it->second;
}

const char* AfxRegisterWndClass(UINT classStyle, void*, void*, void*)
{
    auto& name = WndClasses()[classStyle];
    if (name.empty())
        name = "PvWnd:" + std::to_string(classStyle);
    return name.c_str();
}

UINT GetWndClassStyle(const char* className)
{
    if (!className)
        return 0;
    for (const auto& [style, name] : WndClasses())
        if (name == className)
            return style;
    return 0;
}

// ---- CWinApp ----

CWinApp::CWinApp(const char* appName)
{
    if (appName)
        m_strAppName = appName;
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run()
{
    const int code = QApplication::exec();
    return code;
}

void CWinApp::SetRegistryKey(const char* key) { m_strRegistryKey = key ? key : ""; }

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    const std::string path = GetAppProfilePath();
    if (path.empty())
        return static_cast<UINT>(defaultValue);
    return GetPrivateProfileIntA(section, entry, defaultValue, path.c_str());
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    const std::string path = GetAppProfilePath();
    if (path.empty())
        return FALSE;
    return WritePrivateProfileStringA(section, entry, std::to_string(value).c_str(), path.c_str());
}

CWinApp* AfxGetApp() { return g_app; }
void AfxEnableControlContainer() {}
BOOL Enable3dControlsStatic() { return TRUE; }

namespace {
// Freed by AfxWinMain; never by a static destructor, which runs after the
// toolkit's own globals are gone.
QApplication* g_toolkit = nullptr;
}

namespace {

// Whether the X display the toolkit is about to use answers: the toolkit
// itself ends the process with an abort when it does not. True when this
// cannot be told (no X library to ask).
bool XDisplayOpens()
{
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb)
        return true;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool opens = true;
    if (connect && hasError && disconnect) {
        void* connection = connect(nullptr, nullptr);
        opens = connection && hasError(connection) == 0;
        if (connection)
            disconnect(connection);
    }
    dlclose(xcb);
    return opens;
}

// One line naming the display (by default the one $DISPLAY names).
void ReportNoDisplay(const char* display = std::getenv("DISPLAY"))
{
    std::fprintf(stderr, "%s: cannot open the display%s%s\n", program_invocation_short_name,
                 display && *display ? " " : " (DISPLAY is not set)", display && *display ? display : "");
}

// While the toolkit starts, its messages are held back: a fatal one (the
// display that answered the probe refuses the toolkit's own connection, or no
// platform can start at all) ends the program with one line and status 1
// instead of an abort; otherwise they are handed on once it stands.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;
bool g_displayRefused = false;
std::string g_refusedDisplay;

void StartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const char* category = context.category ? context.category : "";
    static const QString refused = QStringLiteral("could not connect to display");
    if (std::strcmp(category, "qt.qpa.xcb") == 0 && text.contains(refused)) {
        g_displayRefused = true;
        g_refusedDisplay = text.mid(text.indexOf(refused) + refused.size()).trimmed().toStdString();
    }
    if (type != QtFatalMsg) {
        g_heldMessages.push_back({type, category, text});
        return;
    }
    if (g_displayRefused)
        ReportNoDisplay(g_refusedDisplay.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name,
                     text.section('\n', 0, 0).toLocal8Bit().constData());
    std::fflush(stderr);
    _exit(1);
}

QApplication* StartToolkit(int& argc, char** argv)
{
    g_heldMessages.clear();
    g_displayRefused = false;
    g_refusedDisplay.clear();
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessage);
    auto* toolkit = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& m : g_heldMessages)
        previous(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.c_str()), m.text);
    g_heldMessages.clear();
    return toolkit;
}

}  // namespace

bool AfxInitToolkit(int argc, char** argv)
{
    if (QCoreApplication::instance())
        return true;
    // The software GL allocates and frees megabytes every frame; without a
    // high trim threshold glibc hands the heap top back to the kernel each
    // time and faults it in again, which doubles the time of a heavy frame.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    // GLEW as packaged here loads its entry points through GLX: run on X11
    // (XWayland on a Wayland desktop) unless the user chose otherwise.
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    setenv("QT_XCB_GL_INTEGRATION", "xcb_glx", 0);
    if (std::strncmp(std::getenv("QT_QPA_PLATFORM"), "xcb", 3) == 0 && !XDisplayOpens()) {
        ReportNoDisplay();
        return false;
    }
    // The toolkit keeps argc and argv for its whole life: main's own, or a
    // stand-in naming the program when there are none.
    static int s_argc = 1;
    static char s_name[] = "parvolune";
    static char* s_fallback[] = {s_name, nullptr};
    static char** s_argv = s_fallback;
    if (argc > 0 && argv) {
        s_argc = argc;
        s_argv = argv;
    }
    g_toolkit = StartToolkit(s_argc, s_argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C");
    return true;
}

void AfxPumpMessages(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (clock.elapsed() < milliseconds);
}

int AfxWinMain(int argc, char** argv)
{
    if (!AfxInitToolkit(argc, argv))
        return 1;
    CWinApp* theApp = AfxGetApp();
    if (!theApp)
        return 0;
    if (theApp->m_strAppName.empty())
        theApp->m_strAppName = LoadStringResource(AFX_IDS_APP_TITLE);
    if (!theApp->InitInstance()) {
        if (theApp->m_pMainWnd)
            theApp->m_pMainWnd->DestroyWindow();
        const int code = theApp->ExitInstance();
        delete g_toolkit;
        g_toolkit = nullptr;
        return code;
    }
    const int code = theApp->Run();
    const int exitCode = theApp->ExitInstance();
    // The frame is the application's to free once its window is gone.
    if (CWnd* frame = theApp->m_pMainWnd) {
        theApp->m_pMainWnd = nullptr;
        if (frame->m_hWnd)
            frame->DestroyWindow();
        delete frame;
    }
    AfxPumpMessages(0);
    ShutdownSound();
    delete g_toolkit;
    g_toolkit = nullptr;
    return code != 0 ? code : exitCode;
}

// ---- CFrameWnd ----

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, void* context)
{
    const std::string title = LoadStringResource(resourceId);
    // The frame's icon (resource resourceId) is the program's.
    const QIcon icon = ProgramIcon(resourceId);
    if (!icon.isNull())
        QGuiApplication::setWindowIcon(icon);
    RECT r;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        // Frames open sized to the screen's available area, in device pixels.
        const QRect a = screen->availableGeometry();
        const qreal dpr = screen->devicePixelRatio();
        r.left = qRound(a.x() * dpr);
        r.top = qRound(a.y() * dpr);
        r.right = r.left + qRound(a.width() * dpr);
        r.bottom = r.top + qRound(a.height() * dpr);
    }
    return Create(nullptr, title.c_str(), style, r, parent, resourceId, context);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    return TRUE;
}

BOOL CWinApp::OnCmdMsg(UINT, int, void*, void*) { return FALSE; }

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo)
{
    return AfxGetApp() ? AfxGetApp()->OnCmdMsg(id, code, extra, handlerInfo) : FALSE;
}

void CFrameWnd::OnSize(UINT, int, int) { RecalcLayout(); }

void CFrameWnd::RecalcLayout()
{
    if (CWnd* view = GetDlgItem(AFX_IDW_PANE_FIRST)) {
        RECT r;
        GetClientRect(&r);
        view->MoveWindow(0, 0, r.right, r.bottom);
    }
}

void CFrameWnd::OnClose()
{
    // Closing the main window ends the program.
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
        PostQuitMessage(0);
}
