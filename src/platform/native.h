// Inside the layer: what a window handle holds, and the toolkit window behind it.
#pragma once
#include "platform/wnd.h"

#include <QSurfaceFormat>
#include <QWindow>
#include <string>
#include <vector>

class NativeWindow;

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

// Sends the WM_SIZE of the window's current client size, once per size.
void SendSizeIfChanged(HWND hwnd);

// Drops the timers of a window being destroyed.
void KillWindowTimers(HWND hwnd);

// Records key transitions for GetKeyState.
void UpdateKeyState(const MSG& msg);

// The window with the keyboard focus (receives key messages).
HWND GetFocusHwnd();
void SetFocusHwnd(HWND hwnd);
