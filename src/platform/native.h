// Inside the layer: what a window handle holds, and the toolkit window behind it.
#pragma once
#include "platform/wnd.h"

#include <QSurfaceFormat>
#include <QWindow>
#include <string>
#include <vector>

class NativeWindow;
class QEventLoop;
class QKeyEvent;
class QPainter;
class QTimer;
class QWidget;

struct HWND__ {
    CWnd* wnd = nullptr;
    NativeWindow* window = nullptr;
    HWND parent = nullptr;
    std::vector<HWND> children;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT id = 0;
    bool doubleClicks = false;
    bool destroying = false;
    int sentWidth = -1;   // last WM_SIZE sent, in device pixels
    int sentHeight = -1;
    QSurfaceFormat format;

    // Dialogs and their controls are toolkit widgets (window is then null):
    // `widget` is the whole window, `client` its client area (the same
    // widget for a control, a child of it for a dialog).
    QWidget* widget = nullptr;
    QWidget* client = nullptr;
    std::string className;
    std::string text;
    HGDIOBJ font = nullptr;
    // A frameless dialog that paints its own caption and edges keeps a
    // standard-size non-client area around its client area.
    bool ownFrame = false;
    QPainter* clientPainter = nullptr;  // while the client area paints
    QPainter* framePainter = nullptr;   // while the non-client area paints
    QEventLoop* modalLoop = nullptr;
    // Mouse tracking requests and where the pointer is.
    bool trackHover = false;
    bool trackLeave = false;
    bool mouseInside = false;
    POINT lastMouse;
    QTimer* hoverTimer = nullptr;
    // The message routed from a toolkit event, and whether its handling asked
    // for the default processing (the toolkit's own handling of the event).
    UINT routedMessage = 0;
    bool routedDefault = false;
};

// The toolkit window of a CWnd: turns its events into window messages.
class NativeWindow : public QWindow {
public:
    NativeWindow(HWND hwnd, QWindow* parent);
    HWND hwnd() const { return m_hwnd; }
    void detach() { m_hwnd = nullptr; }
    // Client size in device pixels.
    int deviceWidth() const;
    int deviceHeight() const;

protected:
    bool event(QEvent* e) override;

private:
    HWND m_hwnd;
};

// True while hwnd is a live window of this process.
bool IsLiveWindow(HWND hwnd);
void RegisterLiveWindow(HWND hwnd);
void UnregisterLiveWindow(HWND hwnd);

// The class style a window class name was registered with (0 when unknown).
UINT GetWndClassStyle(const char* className);

// PreTranslateMessage of the target and of each parent up to the top-level
// window; TRUE when one of them took the message (or the target died).
BOOL PreTranslateChain(MSG* msg);

// Sends the WM_SIZE of the window's current client size, once per size.
void SendSizeIfChanged(HWND hwnd);

// Drops the timers of a window being destroyed.
void KillWindowTimers(HWND hwnd);

// The virtual key of a toolkit key (0 when the game has none for it).
UINT VirtualKeyFromQt(int key);

// Mouse messages and their key flags for toolkit mouse events.
UINT MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
UINT MouseMessageOf(QEvent::Type type, Qt::MouseButton button, bool doubleClicks);

// Records key transitions for GetKeyState.
void UpdateKeyState(const MSG& msg);
// Takes the Caps Lock state from the window system's key event.
void SyncLockKeyState(const QKeyEvent& event);

// The window with the keyboard focus (receives key messages).
HWND GetFocusHwnd();
void SetFocusHwnd(HWND hwnd);
