// Windows and their messages on top of toolkit windows.
#include "platform/dc_internal.h"
#include "platform/msgbox.h"
#include "platform/native.h"
#include "platform/winapp.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace {

std::set<HWND> g_live;
HWND g_focus = nullptr;
std::array<bool, 256> g_keyDown{};

UINT MapKey(int key)
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
    default: return 0;
    }
}

UINT MouseFlags(const QMouseEvent* e)
{
    UINT flags = 0;
    const Qt::MouseButtons b = e->buttons();
    if (b & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (b & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (b & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button, bool doubleClicks)
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
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam < g_keyDown.size())
        g_keyDown[msg.wParam] = (msg.message == WM_KEYDOWN);
}

SHORT GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey >= static_cast<int>(g_keyDown.size()))
        return 0;
    return g_keyDown[static_cast<size_t>(virtualKey)] ? static_cast<SHORT>(0x8000) : 0;
}

void DispatchQueuedMessage(MSG* msg)
{
    if (!IsLiveWindow(msg->hwnd))
        return;
    UpdateKeyState(*msg);
    for (HWND h = msg->hwnd; h; h = h->parent) {
        if (!IsLiveWindow(h))
            return;
        if (h->wnd->PreTranslateMessage(msg))
            return;
        if (!(h->style & WS_CHILD))
            break;
    }
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
        const UINT vk = MapKey(ke->key());
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
        const UINT vk = MapKey(ke->key());
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
            message = MouseMessage(e->type(), me->button(), hwnd->doubleClicks);
        if (message)
            Dispatch(hwnd, message, MouseFlags(me), pos);
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
    if (!IsLiveWindow(hwnd) || !hwnd->window)
        return;
    const int w = hwnd->window->deviceWidth();
    const int h = hwnd->window->deviceHeight();
    if (w == hwnd->sentWidth && h == hwnd->sentHeight)
        return;
    hwnd->sentWidth = w;
    hwnd->sentHeight = h;
    hwnd->wnd->SendMessage(WM_SIZE, 0, MAKELPARAM(w, h));
}

// ---- device contexts ----

CClientDC::CClientDC(CWnd* wnd)
{
    m_hDC = new HDC__;
    m_hDC->hwnd = wnd ? wnd->m_hWnd : nullptr;
}

CClientDC::~CClientDC() { delete m_hDC; }

CPaintDC::CPaintDC(CWnd* wnd)
{
    m_hDC = new HDC__;
    m_hDC->hwnd = wnd ? wnd->m_hWnd : nullptr;
}

CPaintDC::~CPaintDC() { delete m_hDC; }

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

    HWND hwnd = new HWND__;
    hwnd->wnd = this;
    hwnd->parent = cs.hwndParent;
    hwnd->style = static_cast<DWORD>(cs.style);
    hwnd->exStyle = cs.dwExStyle;
    hwnd->id = id;
    hwnd->doubleClicks = (GetWndClassStyle(cs.lpszClass) & CS_DBLCLKS) != 0;
    QWindow* parentWindow = hwnd->parent ? hwnd->parent->window : nullptr;
    hwnd->window = new NativeWindow(hwnd, parentWindow);
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
    case WM_ERASEBKGND: result = OnEraseBkgnd(nullptr); break;
    case WM_TIMER: OnTimer(wParam); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_CLOSE: OnClose(); break;
    case WM_SETFOCUS: OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); break;
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

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        DestroyWindow();
    return 0;
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return FALSE; }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
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
    if (m_hWnd && m_hWnd->window->isExposed())
        SendMessage(WM_PAINT, 0, 0);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (!m_hWnd)
        return;
    NativeWindow* w = m_hWnd->window;
    QRect area;
    if (alternateOwner && alternateOwner->m_hWnd)
        area = alternateOwner->m_hWnd->window->geometry();
    else if (m_hWnd->parent)
        area = QRect(QPoint(0, 0), m_hWnd->parent->window->size());
    else if (QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    QRect g = w->geometry();
    g.moveCenter(area.center());
    w->setPosition(g.topLeft());
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->window->isVisible(); }

CWnd* CWnd::SetFocus()
{
    CWnd* old = GetFocus();
    if (!m_hWnd)
        return old;
    SetFocusHwnd(m_hWnd);
    if (old != this)
        SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old ? old->m_hWnd : nullptr), 0);
    return old;
}

CWnd* CWnd::GetFocus() { return CWnd::FromHandle(GetFocusHwnd()); }

void CWnd::GetClientRect(RECT* rect) const
{
    *rect = RECT{};
    if (m_hWnd) {
        rect->right = m_hWnd->window->deviceWidth();
        rect->bottom = m_hWnd->window->deviceHeight();
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    if (!m_hWnd)
        return;
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
    if (!m_hWnd->parent && ((before ^ m_hWnd->style) & WS_CAPTION)) {
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
    if (m_hWnd)
        m_hWnd->window->setTitle(QString::fromLatin1(text ? text : ""));
}

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
    if (m_hWnd)
        m_hWnd->window->requestUpdate();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    return WindowProc(message, wParam, lParam);
}
