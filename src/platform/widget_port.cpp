// Widget-backed windows: event routing, mouse tracking, creation and the
// window operations of dialogs and controls.
#include "platform/widget_port.h"

#include "platform/cursor_internal.h"
#include "platform/dc_internal.h"
#include "platform/dialog_controls.h"
#include "platform/gdi_internal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cctype>
#include <map>
#include <string>

void RegisterStandardControls();

namespace {

// The key event a port routed whose handling the toolkit passes up to the
// parents: they hand it on untouched instead of routing it again.
const QEvent* g_routedKey = nullptr;

std::map<std::string, ControlFactory>& Factories()
{
    static auto* factories = new std::map<std::string, ControlFactory>;
    static bool standard = false;
    if (!standard) {
        standard = true;  // the registration below comes back here
        RegisterStandardControls();
    }
    return *factories;
}

std::string Lower(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

class PlainControl : public PortWidget<QWidget> {
public:
    PlainControl(HWND hwnd, QWidget* parent) : PortWidget<QWidget>(hwnd, parent) {}
};

bool IsDialog(HWND hwnd) { return hwnd->widget && hwnd->widget != hwnd->client; }

void PostMouse(HWND hwnd, UINT message)
{
    MSG msg{hwnd, message, MouseKeyFlags(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers()),
            MAKELPARAM(hwnd->lastMouse.x, hwnd->lastMouse.y)};
    hwnd->wnd->PostMessage(msg.message, msg.wParam, msg.lParam);
}

void EndTracking(HWND hwnd)
{
    hwnd->trackHover = false;
    hwnd->trackLeave = false;
    if (hwnd->hoverTimer)
        hwnd->hoverTimer->stop();
}

bool RouteKey(HWND hwnd, QKeyEvent* ke)
{
    if (ke == g_routedKey)
        return false;  // passed up from a child: its handling goes on
    const bool press = ke->type() == QEvent::KeyPress;
    const UINT vk = VirtualKeyFromQt(ke->key());
    SyncLockKeyState(*ke);
    if (!vk || (!press && ke->isAutoRepeat()))
        return false;
    const bool alt = (ke->modifiers() & Qt::AltModifier) != 0;
    MSG msg{hwnd, press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP), vk,
            press ? (ke->isAutoRepeat() ? (LPARAM(1) << 30) | 1 : 1) : LPARAM(0xC0000001)};
    UpdateKeyState(msg);
    if (PreTranslateChain(&msg) || !SendRoutedMessage(hwnd, msg)) {
        ke->accept();
        return true;
    }
    g_routedKey = ke;
    return false;
}

// WM_SETCURSOR for the window under the pointer: a window that takes it
// sets the cursor shown over it; else the arrow shows.
void SetCursorFor(HWND hwnd, UINT mouseMessage)
{
    const HCURSOR before = SetCursor(LoadArrowCursor());
    const LRESULT taken = hwnd->wnd->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                                                 MAKELPARAM(HTCLIENT, static_cast<int>(mouseMessage)));
    if (IsLiveWindow(hwnd) && hwnd->client) {
        if (taken)
            hwnd->client->setCursor(ToolkitCursor(GetCursor()));
        else
            hwnd->client->unsetCursor();
    }
    SetCursor(before);
}

bool RouteMouse(QWidget* widget, HWND hwnd, QMouseEvent* me)
{
    if (widget != hwnd->client)
        return false;  // the frame's own area: caption and edges
    const QPoint p = me->position().toPoint();
    hwnd->lastMouse = POINT{p.x(), p.y()};
    UINT message = WM_MOUSEMOVE;
    if (me->type() == QEvent::MouseMove) {
        hwnd->mouseInside = true;
        if (hwnd->trackHover && hwnd->hoverTimer)
            hwnd->hoverTimer->start();
    } else if (me->type() == QEvent::MouseButtonDblClick && me->button() == Qt::RightButton) {
        message = WM_RBUTTONDBLCLK;
    } else {
        message = MouseMessageOf(me->type(), me->button(), true);
    }
    if (!message)
        return false;
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
        SetCursorFor(hwnd, message);
        if (!IsLiveWindow(hwnd))
            return true;
    }
    MSG msg{hwnd, message, MouseKeyFlags(me->buttons(), me->modifiers()), MAKELPARAM(p.x(), p.y())};
    if (PreTranslateChain(&msg) || !SendRoutedMessage(hwnd, msg)) {
        me->accept();
        return true;
    }
    return false;
}

bool RouteWheel(QWidget* widget, HWND hwnd, QWheelEvent* we)
{
    if (widget != hwnd->client)
        return false;
    const int delta = we->angleDelta().y();
    if (delta == 0)
        return false;
    const QPoint global = we->globalPosition().toPoint();
    MSG msg{hwnd, WM_MOUSEWHEEL,
            MAKEWPARAM(static_cast<int>(MouseKeyFlags(we->buttons(), we->modifiers())), delta),
            MAKELPARAM(global.x(), global.y())};
    if (PreTranslateChain(&msg) || !SendRoutedMessage(hwnd, msg)) {
        we->accept();
        return true;
    }
    return false;
}

HWND g_capture = nullptr;

}  // namespace

void NotifyParent(HWND hwnd, UINT code)
{
    if (IsLiveWindow(hwnd) && IsLiveWindow(hwnd->parent))
        hwnd->parent->wnd->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(hwnd->id), static_cast<int>(code)),
                                       reinterpret_cast<LPARAM>(hwnd));
}

HWND SetCapture(HWND hwnd)
{
    HWND old = GetCapture();
    if (old && old != hwnd && old->client)
        old->client->releaseMouse();
    g_capture = nullptr;
    if (IsLiveWindow(hwnd) && hwnd->client) {
        hwnd->client->grabMouse();
        g_capture = hwnd;
    }
    return old;
}

BOOL ReleaseCapture()
{
    HWND hwnd = GetCapture();
    g_capture = nullptr;
    if (hwnd && hwnd->client)
        hwnd->client->releaseMouse();
    return TRUE;
}

HWND GetCapture() { return IsLiveWindow(g_capture) ? g_capture : nullptr; }

BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    const QPoint p = QCursor::pos();
    *point = POINT{p.x(), p.y()};
    return TRUE;
}

namespace {

// A point between a window's client area and the screen.
BOOL MapPoint(HWND hwnd, POINT* point, bool toScreen)
{
    if (!IsLiveWindow(hwnd) || !point)
        return FALSE;
    QPoint p(point->x, point->y);
    if (hwnd->client)
        p = toScreen ? hwnd->client->mapToGlobal(p) : hwnd->client->mapFromGlobal(p);
    else if (hwnd->window)
        p = toScreen ? hwnd->window->mapToGlobal(p) : hwnd->window->mapFromGlobal(p);
    *point = POINT{p.x(), p.y()};
    return TRUE;
}

}  // namespace

BOOL ScreenToClient(HWND hwnd, POINT* point) { return MapPoint(hwnd, point, false); }
BOOL ClientToScreen(HWND hwnd, POINT* point) { return MapPoint(hwnd, point, true); }

int GetClassNameA(HWND hwnd, char* name, int maxCount)
{
    if (!IsLiveWindow(hwnd) || !name || maxCount <= 0)
        return 0;
    const int n = std::min(static_cast<int>(hwnd->className.size()), maxCount - 1);
    std::copy(hwnd->className.begin(), hwnd->className.begin() + n, name);
    name[n] = '\0';
    return n;
}

BOOL MessageBeep(UINT)
{
    QApplication::beep();
    return TRUE;
}

void PreparePortWidget(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

HWND PortHwnd(const QWidget* widget)
{
    auto* port = dynamic_cast<const WindowPort*>(widget);
    return port ? port->portHwnd() : nullptr;
}

HWND FocusedWidgetHwnd() { return PortHwnd(QApplication::focusWidget()); }

bool SendRoutedMessage(HWND hwnd, const MSG& msg)
{
    const UINT savedMessage = hwnd->routedMessage;
    const bool savedDefault = hwnd->routedDefault;
    hwnd->routedMessage = msg.message;
    hwnd->routedDefault = false;
    hwnd->wnd->WindowProc(msg.message, msg.wParam, msg.lParam);
    if (!IsLiveWindow(hwnd))
        return false;
    const bool asked = hwnd->routedDefault;
    hwnd->routedMessage = savedMessage;
    hwnd->routedDefault = savedDefault;
    return asked;
}

bool RouteEventBefore(QWidget* widget, HWND hwnd, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return RouteKey(hwnd, static_cast<QKeyEvent*>(e));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return RouteMouse(widget, hwnd, static_cast<QMouseEvent*>(e));
    case QEvent::Wheel: return RouteWheel(widget, hwnd, static_cast<QWheelEvent*>(e));
    case QEvent::Enter:
        if (widget == hwnd->client)
            hwnd->mouseInside = true;
        return false;
    case QEvent::Leave:
        if (widget == hwnd->client) {
            hwnd->mouseInside = false;
            if (hwnd->trackLeave) {
                EndTracking(hwnd);
                PostMouse(hwnd, WM_MOUSELEAVE);
            }
        }
        return false;
    case QEvent::Close:
        if (widget->isWindow()) {
            // The close box: the system command, then WM_CLOSE by default.
            e->ignore();
            hwnd->wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        }
        return false;
    default: return false;
    }
}

void RouteEventAfter(QWidget* widget, HWND hwnd, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (e->isAccepted() || widget->isWindow())
            g_routedKey = nullptr;
        break;
    case QEvent::FocusIn: hwnd->wnd->SendMessage(WM_SETFOCUS, 0, 0); break;
    case QEvent::FocusOut: hwnd->wnd->SendMessage(WM_KILLFOCUS, 0, 0); break;
    case QEvent::Move:
        if (widget->isWindow()) {
            const QPoint c = hwnd->client->mapToGlobal(QPoint(0, 0));
            hwnd->wnd->SendMessage(WM_MOVE, 0, MAKELPARAM(c.x(), c.y()));
        }
        break;
    case QEvent::Resize:
        if (widget == hwnd->client)
            SendSizeIfChanged(hwnd);
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (widget->isWindow())
            hwnd->wnd->SendMessage(WM_NCACTIVATE, e->type() == QEvent::WindowActivate ? TRUE : FALSE, 0);
        break;
    default: break;
    }
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT track)
{
    if (!track || !IsLiveWindow(track->hwndTrack) || !track->hwndTrack->widget)
        return FALSE;
    HWND hwnd = track->hwndTrack;
    if (track->dwFlags & TME_CANCEL) {
        if (track->dwFlags & TME_HOVER)
            hwnd->trackHover = false;
        if (track->dwFlags & TME_LEAVE)
            hwnd->trackLeave = false;
        return TRUE;
    }
    if (track->dwFlags & TME_LEAVE) {
        if (hwnd->mouseInside)
            hwnd->trackLeave = true;
        else
            PostMouse(hwnd, WM_MOUSELEAVE);  // not over the window: leaves at once
    }
    if ((track->dwFlags & TME_HOVER) && hwnd->mouseInside) {
        if (!hwnd->hoverTimer) {
            hwnd->hoverTimer = new QTimer;
            hwnd->hoverTimer->setSingleShot(true);
            QObject::connect(hwnd->hoverTimer, &QTimer::timeout, [hwnd] {
                if (!IsLiveWindow(hwnd) || !hwnd->trackHover || !hwnd->mouseInside)
                    return;
                hwnd->trackHover = false;
                PostMouse(hwnd, WM_MOUSEHOVER);
            });
        }
        const DWORD ms = track->dwHoverTime == HOVER_DEFAULT ? 400 : track->dwHoverTime;
        hwnd->trackHover = true;
        hwnd->hoverTimer->setInterval(static_cast<int>(std::max<DWORD>(ms, 1)));
        hwnd->hoverTimer->start();
    }
    return TRUE;
}

// ---- creation ----

void RegisterControlClass(const char* className, ControlFactory factory)
{
    Factories()[Lower(className ? className : "")] = std::move(factory);
}

void AttachWindow(HWND hwnd)
{
    if (hwnd->parent)
        hwnd->parent->children.push_back(hwnd);
    RegisterLiveWindow(hwnd);
}

HWND CreateControlWindow(CWnd* wnd, const char* className, const char* text, DWORD style, const RECT& rect,
                         HWND parent, UINT id)
{
    HWND hwnd = new HWND__;
    hwnd->wnd = wnd;
    hwnd->parent = parent;
    hwnd->style = style | WS_CHILD;
    hwnd->id = id;
    hwnd->className = className ? className : "";
    hwnd->text = text ? text : "";
    hwnd->font = parent->font;
    auto factory = Factories().find(Lower(hwnd->className));
    QWidget* widget = factory != Factories().end() ? factory->second(hwnd, parent->client)
                                                   : new PlainControl(hwnd, parent->client);
    hwnd->widget = hwnd->client = widget;
    widget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    widget->setFont(QFontOf(hwnd->font));
    widget->setEnabled(!(style & WS_DISABLED));
    widget->setVisible((style & WS_VISIBLE) != 0);
    wnd->m_hWnd = hwnd;
    AttachWindow(hwnd);
    return hwnd;
}

// ---- operations ----

int OwnFrameSide() { return GetSystemMetrics(SM_CXFRAME); }
int OwnFrameTop() { return GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION); }
QRect OwnFrameCloseBox(int width)
{
    return QRect(width - OwnFrameSide() - 28, GetSystemMetrics(SM_CYFRAME) + 1, 20, 19);
}

namespace {

// The plain frame of a dialog that draws its own: face, raised edges, a
// caption bar with the title and, with a system menu, the close box.
void PaintDefaultFrame(HWND hwnd)
{
    CDC* dc = CDC::FromHandle(OpenWindowPaintDC(hwnd, true));
    const int w = hwnd->widget->width();
    const int h = hwnd->widget->height();
    const int side = OwnFrameSide();
    const int top = OwnFrameTop();
    const CRect whole(0, 0, w, h);
    dc->FillSolidRect(0, 0, w, top, GetSysColor(COLOR_BTNFACE));
    dc->FillSolidRect(0, top, side, h - top, GetSysColor(COLOR_BTNFACE));
    dc->FillSolidRect(w - side, top, side, h - top, GetSysColor(COLOR_BTNFACE));
    dc->FillSolidRect(0, h - side, w, side, GetSysColor(COLOR_BTNFACE));
    dc->Draw3dRect(&whole, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_3DDKSHADOW));
    CRect inner(1, 1, w - 1, h - 1);
    dc->Draw3dRect(&inner, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW));
    const int fy = GetSystemMetrics(SM_CYFRAME);
    dc->FillSolidRect(side, fy, w - 2 * side, GetSystemMetrics(SM_CYCAPTION) - 1, GetSysColor(COLOR_ACTIVECAPTION));
    CFont font;
    font.Attach(SharedFontObject(DialogFont("System", 10)));
    CFont* oldFont = dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
    dc->TextOut(side + 4, fy + 3, hwnd->text.c_str());
    dc->SelectObject(oldFont);
    font.Detach();
    if (hwnd->style & WS_SYSMENU) {
        const QRect box = OwnFrameCloseBox(w);
        CRect r(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
        dc->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
        dc->Draw3dRect(&r, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
        CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
        CPen* oldPen = dc->SelectObject(&pen);
        dc->MoveTo(r.left + 6, r.top + 5);
        dc->LineTo(r.right - 6, r.bottom - 5);
        dc->MoveTo(r.right - 7, r.top + 5);
        dc->LineTo(r.left + 5, r.bottom - 5);
        dc->SelectObject(oldPen);
    }
    CloseDC(dc->m_hDC);
}

}  // namespace

LRESULT WidgetDefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == hwnd->routedMessage)
        hwnd->routedDefault = true;
    if (auto* control = dynamic_cast<ControlPort*>(hwnd->widget)) {
        LRESULT result = 0;
        if (control->ControlMessage(message, wParam, lParam, &result))
            return result;
    }
    const bool child = (hwnd->style & WS_CHILD) && IsLiveWindow(hwnd->parent);
    switch (message) {
    case WM_SETCURSOR:
        // The parent decides first; nobody deciding leaves the arrow.
        return child && hwnd->parent->wnd->SendMessage(message, wParam, lParam) ? TRUE : FALSE;
    case WM_MOUSEWHEEL:
        if (child)
            return hwnd->parent->wnd->SendMessage(message, wParam, lParam);
        return 0;
    case WM_CLOSE: hwnd->wnd->DestroyWindow(); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            hwnd->wnd->SendMessage(WM_CLOSE, 0, 0);
        return 0;
    case WM_ERASEBKGND: {
        if (!IsDialog(hwnd))
            return 0;
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        auto brush = reinterpret_cast<HBRUSH>(hwnd->wnd->SendMessage(WM_CTLCOLORDLG, wParam,
                                                                      reinterpret_cast<LPARAM>(hwnd)));
        RECT r;
        hwnd->wnd->GetClientRect(&r);
        if (dc && brush)
            dc->FillRect(&r, CBrush::FromHandle(brush));
        return 1;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        const int face = (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) ? COLOR_WINDOW : COLOR_BTNFACE;
        if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) {
            dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
            dc->SetBkColor(GetSysColor(face));
        }
        return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
    }
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hwnd->font);
    case WM_SETFONT:
        if (LiveGdiObject(reinterpret_cast<HGDIOBJ>(wParam))) {
            hwnd->font = reinterpret_cast<HGDIOBJ>(wParam);
            hwnd->widget->setFont(QFontOf(hwnd->font));
            if (lParam)
                hwnd->client->update();
        }
        return 0;
    case WM_NCPAINT:
        if (hwnd->ownFrame && hwnd->framePainter)
            PaintDefaultFrame(hwnd);
        return 0;
    default: return 0;
    }
}

void DestroyWidgetWindow(HWND hwnd)
{
    for (QWidget* w : {hwnd->widget, hwnd->client})
        if (auto* port = dynamic_cast<WindowPort*>(w))
            port->detachPort();
    if (hwnd->modalLoop) {
        hwnd->modalLoop->exit(-1);  // a modal dialog destroyed by others ends its loop
        hwnd->modalLoop = nullptr;
    }
    delete hwnd->hoverTimer;
    hwnd->hoverTimer = nullptr;
    QWidget* widget = hwnd->widget;
    hwnd->widget = hwnd->client = nullptr;
    if (widget) {
        widget->hide();
        widget->deleteLater();  // it may be inside one of its own event handlers
    }
}

BOOL ShowWidgetWindow(HWND hwnd, int cmd)
{
    QWidget* w = hwnd->widget;
    const bool wasVisible = w->isVisible();
    if (cmd == SW_HIDE) {
        hwnd->style &= ~WS_VISIBLE;
        w->hide();
        return wasVisible;
    }
    hwnd->style |= WS_VISIBLE;
    w->show();
    if (w->isWindow()) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            w->raise();  // (the offscreen platform only warns)
        w->activateWindow();
    }
    return wasVisible;
}

QRect WidgetWindowRect(HWND hwnd)
{
    QWidget* w = hwnd->widget;
    if (w->isWindow())
        return w->frameGeometry();
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

void CenterWidgetWindow(HWND hwnd, HWND over)
{
    QWidget* w = hwnd->widget;
    if (!w->isWindow()) {
        QWidget* parent = w->parentWidget();
        if (parent) {
            QRect g = w->geometry();
            g.moveCenter(parent->rect().center());
            w->move(g.topLeft());
        }
        return;
    }
    // Over the given window, else the owner, when shown; else the screen.
    QRect area;
    for (HWND h : {over, hwnd->parent}) {
        if (!IsLiveWindow(h) || !area.isNull())
            continue;
        if (h->widget && h->widget->isVisible())
            area = WidgetWindowRect(h);
        else if (h->window && h->window->isVisible())
            area = h->window->frameGeometry();
    }
    if (area.isNull()) {
        QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
        if (screen)
            area = screen->availableGeometry();
    }
    QRect g = w->frameGeometry();
    g.moveCenter(area.center());
    // Kept on the screen, as a window centred over a small owner near an
    // edge would not be.
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect work = screen->availableGeometry();
        g.moveLeft(std::max(work.left(), std::min(g.left(), work.right() + 1 - g.width())));
        g.moveTop(std::max(work.top(), std::min(g.top(), work.bottom() + 1 - g.height())));
    }
    w->move(g.topLeft());
}

void LayoutDialogClient(HWND hwnd)
{
    if (!IsDialog(hwnd))
        return;
    const QSize s = hwnd->widget->size();
    if (hwnd->ownFrame) {
        const int side = OwnFrameSide();
        const int top = OwnFrameTop();
        hwnd->client->setGeometry(side, top, std::max(0, s.width() - 2 * side), std::max(0, s.height() - top - side));
    } else {
        hwnd->client->setGeometry(0, 0, s.width(), s.height());
    }
}

void MoveWidgetWindow(HWND hwnd, int x, int y, int width, int height)
{
    if (hwnd->widget->isWindow())
        hwnd->widget->setFixedSize(width, height);  // dialogs keep the size they are given
    hwnd->widget->setGeometry(x, y, width, height);
    LayoutDialogClient(hwnd);
    SendSizeIfChanged(hwnd);
}

void SetWidgetText(HWND hwnd)
{
    const QString text = QString::fromLatin1(hwnd->text.c_str());
    if (hwnd->widget->isWindow()) {
        hwnd->widget->setWindowTitle(text);
        InvalidateFrame(hwnd, false);
    } else if (auto* button = qobject_cast<QAbstractButton*>(hwnd->widget)) {
        button->setText(text);
    }
    hwnd->client->update();
}

void InvalidateFrame(HWND hwnd, bool now)
{
    if (!hwnd->ownFrame)
        return;
    // Only the frame: the client area keeps its picture.
    const QRegion nonClient = QRegion(hwnd->widget->rect()) - QRegion(hwnd->client->geometry());
    if (now && hwnd->widget->isVisible())
        hwnd->widget->repaint(nonClient);
    else
        hwnd->widget->update(nonClient);
}

void InvalidateWidget(HWND hwnd, const RECT* rect, bool now)
{
    // A window repaints after its style changes: the control follows the new style first.
    if (auto* control = dynamic_cast<ControlPort*>(hwnd->widget))
        control->FollowStyle();
    const QRect area = rect ? QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top)
                            : hwnd->client->rect();
    if (now && hwnd->client->isVisible())
        hwnd->client->repaint(area);
    else
        hwnd->client->update(area);
}

HDC OpenWindowPaintDC(HWND hwnd, bool wholeWindow)
{
    if (!IsLiveWindow(hwnd) || !hwnd->widget)
        return OpenPainterDC(hwnd, nullptr, QRect());
    if (wholeWindow && hwnd->ownFrame) {
        const QRect bounds = hwnd->widget->rect();
        if (hwnd->framePainter)
            return OpenPainterDC(hwnd, hwnd->framePainter, bounds);
        // Outside a paint of the frame: what is drawn shows at its next paint,
        // which this context asks for when it is released.
        HDC dc = OpenPainterDC(hwnd, nullptr, bounds);
        GetDcState(dc)->onRelease = [hwnd] {
            if (IsLiveWindow(hwnd) && hwnd->widget)
                InvalidateFrame(hwnd, false);
        };
        return dc;
    }
    return OpenPainterDC(hwnd, hwnd->clientPainter, hwnd->client->rect());
}
