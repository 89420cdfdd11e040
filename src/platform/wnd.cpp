// Windows and their messages on top of toolkit windows.
#include "platform/dc_internal.h"
#include "platform/gdi_internal.h"
#include "platform/msgbox.h"
#include "platform/native.h"
#include "platform/widget_port.h"
#include "platform/winapp.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace {

std::set<HWND> g_live;
HWND g_focus = nullptr;
// Per virtual key: KEY_DOWN while held; KEY_TOGGLED for Caps Lock while on.
std::array<BYTE, 256> g_keyState{};
constexpr BYTE KEY_DOWN = 0x80;
constexpr BYTE KEY_TOGGLED = 0x01;
constexpr quint32 X11_LOCK_MASK = 0x02;

}  // namespace

UINT VirtualKeyFromQt(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<UINT>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<UINT>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    default: return 0;
    }
}

UINT MouseKeyFlags(Qt::MouseButtons b, Qt::KeyboardModifiers modifiers)
{
    UINT flags = 0;
    if (b & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (b & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (b & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

UINT MouseMessageOf(QEvent::Type type, Qt::MouseButton button, bool doubleClicks)
{
    const bool press = (type == QEvent::MouseButtonPress);
    const bool dbl = (type == QEvent::MouseButtonDblClick);
    switch (button) {
    case Qt::LeftButton:
        if (dbl)
            return doubleClicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
        return press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Qt::RightButton: return (press || dbl) ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case Qt::MiddleButton: return (press || dbl) ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default: return 0;
    }
}

namespace {

void Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg{hwnd, message, wParam, lParam};
    DispatchQueuedMessage(&msg);
}

QRect ToLogical(const QWindow* w, int x, int y, int width, int height)
{
    const qreal dpr = w ? w->devicePixelRatio() : 1.0;
    return QRect(qRound(x / dpr), qRound(y / dpr), qRound(width / dpr), qRound(height / dpr));
}

}  // namespace

bool IsLiveWindow(HWND hwnd) { return hwnd && g_live.count(hwnd) && !hwnd->destroying; }
void RegisterLiveWindow(HWND hwnd) { g_live.insert(hwnd); }
void UnregisterLiveWindow(HWND hwnd) { g_live.erase(hwnd); }
HWND GetFocusHwnd() { return IsLiveWindow(g_focus) ? g_focus : nullptr; }
void SetFocusHwnd(HWND hwnd) { g_focus = hwnd; }

void UpdateKeyState(const MSG& msg)
{
    if ((msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) || msg.wParam >= g_keyState.size())
        return;
    BYTE& state = g_keyState[msg.wParam];
    if (msg.message == WM_KEYUP) {
        state &= static_cast<BYTE>(~KEY_DOWN);
        return;
    }
    // Caps Lock turns on or off with each press, not with its repeats.
    if (msg.wParam == VK_CAPITAL && !(state & KEY_DOWN))
        state ^= KEY_TOGGLED;
    state |= KEY_DOWN;
}

void SyncLockKeyState(const QKeyEvent& event)
{
    // The X server's lock state as the key went down (before a Caps Lock
    // press takes effect), so Caps Lock set before the game started or in
    // another window counts too. Other platforms report no such state.
    if (event.type() != QEvent::KeyPress || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    BYTE& caps = g_keyState[VK_CAPITAL];
    caps = static_cast<BYTE>((caps & ~KEY_TOGGLED) | ((event.nativeModifiers() & X11_LOCK_MASK) ? KEY_TOGGLED : 0));
}

SHORT GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey >= static_cast<int>(g_keyState.size()))
        return 0;
    const BYTE state = g_keyState[static_cast<size_t>(virtualKey)];
    return static_cast<SHORT>(((state & KEY_DOWN) ? 0x8000 : 0) | (state & KEY_TOGGLED));
}

BOOL PreTranslateChain(MSG* msg)
{
    for (HWND h = msg->hwnd; h; h = h->parent) {
        if (!IsLiveWindow(h))
            return TRUE;
        if (h->wnd->PreTranslateMessage(msg))
            return TRUE;
        if (!(h->style & WS_CHILD))
            break;
    }
    return FALSE;
}

BOOL IsWindow(HWND hwnd) { return IsLiveWindow(hwnd) ? TRUE : FALSE; }

void DispatchQueuedMessage(MSG* msg)
{
    if (!IsLiveWindow(msg->hwnd))
        return;
    UpdateKeyState(*msg);
    if (PreTranslateChain(msg))
        return;
    if (IsLiveWindow(msg->hwnd))
        msg->hwnd->wnd->WindowProc(msg->message, msg->wParam, msg->lParam);
}

// ---- the toolkit window ----

NativeWindow::NativeWindow(HWND hwnd, QWindow* parent) : QWindow(parent), m_hwnd(hwnd)
{
    setSurfaceType(QSurface::OpenGLSurface);
}

int NativeWindow::deviceWidth() const { return static_cast<int>(std::lround(width() * devicePixelRatio())); }
int NativeWindow::deviceHeight() const { return static_cast<int>(std::lround(height() * devicePixelRatio())); }

bool NativeWindow::event(QEvent* e)
{
    HWND hwnd = m_hwnd;
    if (!IsLiveWindow(hwnd))
        return QWindow::event(e);
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(e);
        HWND target = GetFocusHwnd() ? GetFocusHwnd() : hwnd;
        const UINT vk = VirtualKeyFromQt(ke->key());
        SyncLockKeyState(*ke);
        const LPARAM flags = ke->isAutoRepeat() ? (LPARAM(1) << 30) | 1 : 1;
        if (vk)
            Dispatch(target, WM_KEYDOWN, vk, flags);
        const QString text = ke->text();
        if (text.size() == 1 && text.at(0).unicode() < 256 && IsLiveWindow(target))
            Dispatch(target, WM_CHAR, text.at(0).unicode(), flags);
        return true;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->isAutoRepeat())
            return true;  // X11 sends a release before each repeated press
        const UINT vk = VirtualKeyFromQt(ke->key());
        HWND target = GetFocusHwnd() ? GetFocusHwnd() : hwnd;
        if (vk)
            Dispatch(target, WM_KEYUP, vk, LPARAM(0xC0000001));
        return true;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        const qreal dpr = devicePixelRatio();
        const QPointF p = me->position();
        const LPARAM pos = MAKELPARAM(static_cast<int>(std::floor(p.x() * dpr)), static_cast<int>(std::floor(p.y() * dpr)));
        UINT message = WM_MOUSEMOVE;
        if (e->type() != QEvent::MouseMove)
            message = MouseMessageOf(e->type(), me->button(), hwnd->doubleClicks);
        if (message)
            Dispatch(hwnd, message, MouseKeyFlags(me->buttons(), me->modifiers()), pos);
        return true;
    }
    case QEvent::Resize:
        SendSizeIfChanged(hwnd);
        return true;
    case QEvent::Expose:
    case QEvent::UpdateRequest:
        if (isExposed())
            Dispatch(hwnd, WM_PAINT, 0, 0);
        return true;
    case QEvent::FocusIn:
        hwnd->wnd->SendMessage(WM_SETFOCUS, 0, 0);
        return true;
    case QEvent::Close:
        e->ignore();
        hwnd->wnd->SendMessage(WM_CLOSE, 0, 0);
        return true;
    default:
        return QWindow::event(e);
    }
}

void SendSizeIfChanged(HWND hwnd)
{
    if (!IsLiveWindow(hwnd) || (!hwnd->window && !hwnd->client))
        return;
    const int w = hwnd->window ? hwnd->window->deviceWidth() : hwnd->client->width();
    const int h = hwnd->window ? hwnd->window->deviceHeight() : hwnd->client->height();
    if (w == hwnd->sentWidth && h == hwnd->sentHeight)
        return;
    hwnd->sentWidth = w;
    hwnd->sentHeight = h;
    hwnd->wnd->SendMessage(WM_SIZE, 0, MAKELPARAM(w, h));
}

// ---- device contexts ----

// A dialog's or control's context draws while its window paints; any other
// context of a window only carries the window (for GL).
CClientDC::CClientDC(CWnd* wnd) { m_hDC = OpenWindowPaintDC(wnd ? wnd->m_hWnd : nullptr, false); }

CClientDC::~CClientDC() { CloseDC(Detach()); }

CPaintDC::CPaintDC(CWnd* wnd) { m_hDC = OpenWindowPaintDC(wnd ? wnd->m_hWnd : nullptr, false); }

CPaintDC::~CPaintDC() { CloseDC(Detach()); }

// ---- CWnd ----

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd)
        CWnd::DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) { return IsLiveWindow(hwnd) ? hwnd->wnd : nullptr; }

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  void* context)
{
    CREATESTRUCT cs;
    cs.lpCreateParams = context;
    cs.hwndParent = parent ? parent->m_hWnd : nullptr;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    if (!PreCreateWindow(cs))
        return FALSE;

    if (cs.hwndParent && cs.hwndParent->widget) {
        // A control made by code inside a dialog.
        const RECT r{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
        CreateControlWindow(this, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), r, cs.hwndParent, id);
        if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
            CWnd::DestroyWindow();
            return FALSE;
        }
        return m_hWnd != nullptr;
    }

    HWND hwnd = new HWND__;
    hwnd->wnd = this;
    hwnd->parent = cs.hwndParent;
    hwnd->style = static_cast<DWORD>(cs.style);
    hwnd->exStyle = cs.dwExStyle;
    hwnd->id = id;
    hwnd->doubleClicks = (GetWndClassStyle(cs.lpszClass) & CS_DBLCLKS) != 0;
    QWindow* parentWindow = hwnd->parent ? hwnd->parent->window : nullptr;
    hwnd->window = new NativeWindow(hwnd, parentWindow);
    hwnd->text = windowName ? windowName : "";
    if (windowName)
        hwnd->window->setTitle(QString::fromLatin1(windowName));
    if (!hwnd->parent) {
        Qt::WindowFlags flags = Qt::Window;
        if (!(hwnd->style & WS_CAPTION))
            flags |= Qt::FramelessWindowHint;
        hwnd->window->setFlags(flags);
    }
    if (hwnd->parent)
        hwnd->parent->children.push_back(hwnd);
    m_hWnd = hwnd;
    RegisterLiveWindow(hwnd);

    // A frame's view fills the frame's client area from the start.
    RECT r = rect;
    if (hwnd->parent && id == AFX_IDW_PANE_FIRST && r.right - r.left <= 0 && r.bottom - r.top <= 0)
        hwnd->parent->wnd->GetClientRect(&r);
    hwnd->window->setGeometry(ToLogical(hwnd->window, r.left, r.top, r.right - r.left, r.bottom - r.top));

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        CWnd::DestroyWindow();
        return FALSE;
    }
    if (!m_hWnd)
        return FALSE;
    SendSizeIfChanged(m_hWnd);
    if (m_hWnd && (m_hWnd->style & WS_VISIBLE) && hwnd->parent)
        hwnd->window->setVisible(true);
    return m_hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    HWND hwnd = m_hWnd;
    if (!hwnd || hwnd->destroying)
        return FALSE;
    SendMessage(WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(hwnd->children))
        if (child->wnd)
            child->wnd->DestroyWindow();
    hwnd->destroying = true;
    KillWindowTimers(hwnd);
    if (g_focus == hwnd)
        g_focus = nullptr;
    if (hwnd->parent) {
        auto& siblings = hwnd->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    }
    UnregisterLiveWindow(hwnd);
    if (hwnd->widget)
        DestroyWidgetWindow(hwnd);
    if (hwnd->window) {
        hwnd->window->detach();
        hwnd->window->setVisible(false);
        hwnd->window->setParent(nullptr);
        hwnd->window->deleteLater();
    }
    m_hWnd = nullptr;
    delete hwnd;
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnCmdMsg(UINT, int, void*, void*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG saved = m_currentMsg;
    m_currentMsg = MSG{m_hWnd, message, wParam, lParam};
    LRESULT result = 0;
    const CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const UINT flags = static_cast<UINT>(wParam);
    const UINT repeat = static_cast<UINT>(lParam & 0xFFFF);
    const UINT keyFlags = static_cast<UINT>((lParam >> 16) & 0xFFFF);
    switch (message) {
    case WM_CREATE: result = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); break;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_PAINT: OnPaint(); break;
    case WM_ERASEBKGND: result = OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))); break;
    case WM_TIMER: OnTimer(wParam); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_CLOSE: OnClose(); break;
    case WM_SETFOCUS: OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case WM_KILLFOCUS: OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        result = reinterpret_cast<LRESULT>(OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                      CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
                                                      message - WM_CTLCOLORMSGBOX));
        break;
    case WM_DRAWITEM: OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); break;
    case WM_KEYDOWN: OnKeyDown(flags, repeat, keyFlags); break;
    case WM_KEYUP: OnKeyUp(flags, repeat, keyFlags); break;
    case WM_CHAR: OnChar(flags, repeat, keyFlags); break;
    case WM_MOUSEMOVE: OnMouseMove(flags, pt); break;
    case WM_LBUTTONDOWN: OnLButtonDown(flags, pt); break;
    case WM_LBUTTONUP: OnLButtonUp(flags, pt); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, pt); break;
    case WM_RBUTTONDOWN: OnRButtonDown(flags, pt); break;
    case WM_RBUTTONUP: OnRButtonUp(flags, pt); break;
    case WM_MBUTTONDOWN: OnMButtonDown(flags, pt); break;
    case WM_MBUTTONUP: OnMButtonUp(flags, pt); break;
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr);
        break;
    default: result = DefWindowProc(message, wParam, lParam); break;
    }
    m_currentMsg = saved;
    return result;
}

LRESULT CWnd::Default() { return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd && m_hWnd->widget)
        return WidgetDefWindowProc(m_hWnd, message, wParam, lParam);
    if (message == WM_CLOSE)
        DestroyWindow();
    return 0;
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

void CWnd::OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem)
{
    // The control draws itself when its class does (reflection).
    CWnd* control = drawItem ? CWnd::FromHandle(drawItem->hwndItem) : nullptr;
    if (control &&
        control->OnChildNotify(WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(drawItem), nullptr))
        return;
    Default();
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    return MessageBoxA(m_hWnd, text, caption ? caption : "", type);
}

BOOL CWnd::ShowWindow(int cmd)
{
    if (!m_hWnd)
        return FALSE;
    if (m_hWnd->widget)
        return ShowWidgetWindow(m_hWnd, cmd);
    NativeWindow* w = m_hWnd->window;
    const bool wasVisible = w->isVisible();
    if (cmd == SW_HIDE) {
        w->setVisible(false);
        m_hWnd->style &= ~WS_VISIBLE;
        return wasVisible;
    }
    if (cmd == SW_SHOWMAXIMIZED && !m_hWnd->parent) {
        // Cover the screen's available area ourselves: there may be no window manager.
        QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        if (screen)
            w->setGeometry(screen->availableGeometry());
    }
    m_hWnd->style |= WS_VISIBLE;
    w->setVisible(true);
    if (!m_hWnd->parent)
        w->requestActivate();
    SendSizeIfChanged(m_hWnd);
    return wasVisible;
}

void CWnd::UpdateWindow()
{
    if (m_hWnd && m_hWnd->widget)
        InvalidateWidget(m_hWnd, nullptr, true);
    else if (m_hWnd && m_hWnd->window->isExposed())
        SendMessage(WM_PAINT, 0, 0);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (!m_hWnd)
        return;
    if (m_hWnd->widget) {
        CenterWidgetWindow(m_hWnd, alternateOwner ? alternateOwner->m_hWnd : nullptr);
        return;
    }
    NativeWindow* w = m_hWnd->window;
    QRect area;
    if (alternateOwner && alternateOwner->m_hWnd && alternateOwner->m_hWnd->window)
        area = alternateOwner->m_hWnd->window->geometry();
    else if (m_hWnd->parent)
        area = QRect(QPoint(0, 0), m_hWnd->parent->window->size());
    else if (QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    QRect g = w->geometry();
    g.moveCenter(area.center());
    w->setPosition(g.topLeft());
}

BOOL CWnd::IsWindowVisible() const
{
    if (m_hWnd && m_hWnd->widget)
        return m_hWnd->widget->isVisible();
    return m_hWnd && m_hWnd->window->isVisible();
}

CWnd* CWnd::SetFocus()
{
    CWnd* old = GetFocus();
    if (!m_hWnd)
        return old;
    if (m_hWnd->widget) {
        // The toolkit sends WM_SETFOCUS once the window is active.
        m_hWnd->client->setFocus(Qt::OtherFocusReason);
        return old;
    }
    SetFocusHwnd(m_hWnd);
    if (old != this)
        SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old ? old->m_hWnd : nullptr), 0);
    return old;
}

CWnd* CWnd::GetFocus()
{
    if (HWND focused = FocusedWidgetHwnd())
        return focused->wnd;
    return CWnd::FromHandle(GetFocusHwnd());
}

void CWnd::GetClientRect(RECT* rect) const
{
    *rect = RECT{};
    if (m_hWnd && m_hWnd->client) {
        rect->right = m_hWnd->client->width();
        rect->bottom = m_hWnd->client->height();
    } else if (m_hWnd) {
        rect->right = m_hWnd->window->deviceWidth();
        rect->bottom = m_hWnd->window->deviceHeight();
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    if (!m_hWnd)
        return;
    if (m_hWnd->widget) {
        MoveWidgetWindow(m_hWnd, x, y, std::max(width, 0), std::max(height, 0));
        return;
    }
    m_hWnd->window->setGeometry(ToLogical(m_hWnd->window, x, y, std::max(width, 0), std::max(height, 0)));
    SendSizeIfChanged(m_hWnd);
}

DWORD CWnd::GetStyle() const { return m_hWnd ? m_hWnd->style : 0; }
DWORD CWnd::GetExStyle() const { return m_hWnd ? m_hWnd->exStyle : 0; }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    if (!m_hWnd)
        return FALSE;
    const DWORD before = m_hWnd->style;
    m_hWnd->style = (before & ~remove) | add;
    if (m_hWnd->widget) {
        InvalidateWidget(m_hWnd, nullptr, false);
    } else if (!m_hWnd->parent && ((before ^ m_hWnd->style) & WS_CAPTION)) {
        Qt::WindowFlags flags = Qt::Window;
        if (!(m_hWnd->style & WS_CAPTION))
            flags |= Qt::FramelessWindowHint;
        m_hWnd->window->setFlags(flags);
    }
    return before != m_hWnd->style;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT)
{
    if (!m_hWnd)
        return FALSE;
    const DWORD before = m_hWnd->exStyle;
    m_hWnd->exStyle = (before & ~remove) | add;
    return before != m_hWnd->exStyle;
}

BOOL CWnd::SetMenu(void*) { return m_hWnd != nullptr; }

void CWnd::SetWindowText(const char* text)
{
    if (!m_hWnd)
        return;
    m_hWnd->text = text ? text : "";
    if (m_hWnd->widget)
        SetWidgetText(m_hWnd);
    else
        m_hWnd->window->setTitle(QString::fromLatin1(m_hWnd->text.c_str()));
}

int CWnd::GetWindowText(char* text, int maxCount) const
{
    if (!text || maxCount <= 0)
        return 0;
    const std::string s = m_hWnd ? m_hWnd->text : std::string();
    const int n = std::min(static_cast<int>(s.size()), maxCount - 1);
    std::copy(s.begin(), s.begin() + n, text);
    text[n] = '\0';
    return n;
}

void CWnd::GetWindowRect(RECT* rect) const
{
    if (!rect)
        return;
    *rect = RECT{};
    QRect r;
    if (m_hWnd && m_hWnd->widget) {
        r = WidgetWindowRect(m_hWnd);
    } else if (m_hWnd) {
        const qreal dpr = m_hWnd->window->devicePixelRatio();
        const QRect g = m_hWnd->window->frameGeometry();
        r = QRect(qRound(g.x() * dpr), qRound(g.y() * dpr), qRound(g.width() * dpr), qRound(g.height() * dpr));
    }
    *rect = RECT{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasDisabled = (m_hWnd->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable)
        m_hWnd->style &= ~WS_DISABLED;
    else
        m_hWnd->style |= WS_DISABLED;
    if (m_hWnd->widget)
        m_hWnd->widget->setEnabled(enable != FALSE);
    if (wasDisabled != (enable ? FALSE : TRUE))
        SendMessage(WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && !(m_hWnd->style & WS_DISABLED); }

CFont* CWnd::GetFont() const
{
    if (!m_hWnd || !m_hWnd->font)
        return nullptr;
    return CFont::FromHandle(m_hWnd->font);
}

CDC* CWnd::GetWindowDC() { return m_hWnd ? CDC::FromHandle(OpenWindowPaintDC(m_hWnd, true)) : nullptr; }

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc || !dc->m_hDC)
        return 0;
    CloseDC(dc->m_hDC);  // frees the wrapper too
    return 1;
}

BOOL CWnd::RedrawWindow(const RECT* rect, void*, UINT flags)
{
    if (!m_hWnd)
        return FALSE;
    if (!m_hWnd->widget) {
        if (flags & RDW_UPDATENOW)
            UpdateWindow();
        else if (flags & RDW_INVALIDATE)
            Invalidate();
        return TRUE;
    }
    const bool now = (flags & RDW_UPDATENOW) != 0;
    if (flags & RDW_FRAME)
        InvalidateFrame(m_hWnd, now);
    if (flags & (RDW_INVALIDATE | RDW_UPDATENOW))
        InvalidateWidget(m_hWnd, rect, now);
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !IsLiveWindow(hwnd))
        return FALSE;
    // The object that had the window lets it go.
    if (hwnd->wnd && hwnd->wnd != this)
        hwnd->wnd->m_hWnd = nullptr;
    hwnd->wnd = this;
    m_hWnd = hwnd;
    PreSubclassWindow();
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

CWnd* CWnd::GetParent() const { return m_hWnd && m_hWnd->parent ? m_hWnd->parent->wnd : nullptr; }

CWnd* CWnd::GetDlgItem(UINT id) const
{
    if (!m_hWnd)
        return nullptr;
    for (HWND child : m_hWnd->children)
        if (child->id == id)
            return child->wnd;
    return nullptr;
}

UINT CWnd::GetDlgCtrlID() const { return m_hWnd ? m_hWnd->id : 0; }

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd && m_hWnd->widget)
        InvalidateWidget(m_hWnd, nullptr, false);
    else if (m_hWnd)
        m_hWnd->window->requestUpdate();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    return WindowProc(message, wParam, lParam);
}
