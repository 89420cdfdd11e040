// Inside the layer: dialogs and controls are toolkit widgets. A port widget
// turns the events of its widget into the window's messages: input passes
// PreTranslateMessage up to the dialog and then WindowProc, and the toolkit
// handles the event itself only when the handler asks for the default
// processing.
#pragma once
#include "platform/native.h"

#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>

class WindowPort {
public:
    explicit WindowPort(HWND hwnd) : m_hwnd(hwnd) {}
    virtual ~WindowPort() = default;
    // The window, while it lives.
    HWND portHwnd() const { return IsLiveWindow(m_hwnd) ? m_hwnd : nullptr; }
    void detachPort() { m_hwnd = nullptr; }

protected:
    HWND m_hwnd;
};

// Event routing of a port widget; true when the event was taken (the toolkit
// must not handle it), false when the widget's own handling follows.
bool RouteEventBefore(QWidget* widget, HWND hwnd, QEvent* e);
void RouteEventAfter(QWidget* widget, HWND hwnd, QEvent* e);
// Settings every port widget starts with.
void PreparePortWidget(QWidget* widget);

template <class Base>
class PortWidget : public Base, public WindowPort {
public:
    template <class... Args>
    explicit PortWidget(HWND hwnd, Args&&... args) : Base(std::forward<Args>(args)...), WindowPort(hwnd)
    {
        PreparePortWidget(this);
    }

protected:
    bool event(QEvent* e) override
    {
        HWND hwnd = portHwnd();
        if (!hwnd)
            return Base::event(e);
        if (RouteEventBefore(this, hwnd, e))
            return true;
        const bool result = Base::event(e);
        if (portHwnd())
            RouteEventAfter(this, hwnd, e);
        return result;
    }
};

// A control widget that answers messages of its class (TBM_..., STM_...)
// and follows changes of its window's style.
class ControlPort {
public:
    virtual ~ControlPort() = default;
    // True when the message is the control's own; its result in `result`.
    virtual bool ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) = 0;
    virtual void FollowStyle() {}
};

// Sends `code` to the parent of a control as WM_COMMAND (BN_CLICKED, STN_CLICKED, ...).
void NotifyParent(HWND hwnd, UINT code);

// The window of a port widget (null for other widgets and dead windows).
HWND PortHwnd(const QWidget* widget);
// The window whose widget has the keyboard focus.
HWND FocusedWidgetHwnd();

// Sends a message to hwnd and tells whether its handling asked for the
// default processing (false also when the window died meanwhile).
bool SendRoutedMessage(HWND hwnd, const MSG& msg);

// Control widgets by window class (case-insensitive); unknown classes get a
// plain widget that paints nothing.
using ControlFactory = std::function<QWidget*(HWND hwnd, QWidget* parent)>;
void RegisterControlClass(const char* className, ControlFactory factory);

// Makes a control of a widget-backed parent for `wnd`: its widget at `rect`
// (client pixels of the parent) in the parent's font, hidden unless
// WS_VISIBLE. Sends nothing.
HWND CreateControlWindow(CWnd* wnd, const char* className, const char* text, DWORD style, const RECT& rect,
                         HWND parent, UINT id);
// Adds a window to the live windows and to its parent's children.
void AttachWindow(HWND hwnd);

// The operations of CWnd on a widget-backed window.
LRESULT WidgetDefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void DestroyWidgetWindow(HWND hwnd);
BOOL ShowWidgetWindow(HWND hwnd, int cmd);
void CenterWidgetWindow(HWND hwnd, HWND over);
QRect WidgetWindowRect(HWND hwnd);  // screen pixels, caption and edges included
void MoveWidgetWindow(HWND hwnd, int x, int y, int width, int height);
void SetWidgetText(HWND hwnd);
// Repaints the client area (`rect` of it, or all); at once when `now`.
void InvalidateWidget(HWND hwnd, const RECT* rect, bool now);
// Repaints the non-client area of a dialog that draws its own frame.
void InvalidateFrame(HWND hwnd, bool now);
// Places a dialog's client widget inside its window.
void LayoutDialogClient(HWND hwnd);
HDC OpenWindowPaintDC(HWND hwnd, bool wholeWindow);

// Default non-client metrics of a dialog that draws its own frame.
int OwnFrameSide();
int OwnFrameTop();
// The close box of such a dialog, in window coordinates, for a window `width` wide.
QRect OwnFrameCloseBox(int width);
