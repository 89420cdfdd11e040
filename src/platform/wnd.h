// Windows, messages and timers. A window (CWnd) gets its messages through
// WindowProc, which calls the On... handler of the message; queued messages
// (input, timer ticks, posted messages) first pass PreTranslateMessage of the
// target window and of each parent up to the top-level window, and are
// dispatched only when none of them takes the message.
#pragma once
#include "platform/messages.h"
#include "platform/wintypes.h"

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HMODULE hInstance = nullptr;
    void* hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0, cx = 0, y = 0, x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};
using LPCREATESTRUCT = CREATESTRUCT*;

// The control id the frame gives its one view; the frame keeps it sized to
// its client area.
constexpr UINT AFX_IDW_PANE_FIRST = 59648;

class CWnd;

// Device contexts of a window; the GL context is made on one. While a dialog
// or control paints, its paint context draws on it.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
};

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hwnd);

    // Creates the window: PreCreateWindow, then WM_CREATE (OnCreate), then
    // WM_SIZE. FALSE when PreCreateWindow or OnCreate refuses.
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id, void* context = nullptr);
    virtual BOOL DestroyWindow();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY from a control (lParam an NMHDR) that the control did not take
    // itself; TRUE with *result when handled, else the default processing follows.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Default processing of the message being handled. For a dialog or a
    // control it is the toolkit's own handling of the event behind the message.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A control's own handling of a notification its parent got (WM_DRAWITEM,
    // WM_COMMAND, WM_NOTIFY: reflection); TRUE when handled, and the parent
    // then does not see it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    virtual int OnCreate(LPCREATESTRUCT cs);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    virtual void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMButtonDown(UINT flags, CPoint point);
    virtual void OnMButtonUp(UINT flags, CPoint point);

    // Timer `id` of this window: WM_TIMER every `elapse` ms (no callbacks).
    // Ticks keep arriving while a modal dialog or message box runs, also one
    // opened from this timer's own handler.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* callback);
    BOOL KillTimer(UINT_PTR id);

    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    BOOL ShowWindow(int cmd);
    void UpdateWindow();
    void CenterWindow(CWnd* alternateOwner = nullptr);
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void GetClientRect(RECT* rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    BOOL SetMenu(void* menu);
    void SetWindowText(const char* text);
    int GetWindowText(char* text, int maxCount) const;
    // Screen coordinates of the whole window (caption and edges included).
    void GetWindowRect(RECT* rect) const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CFont* GetFont() const;
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);
    BOOL RedrawWindow(const RECT* rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    // Takes over an existing window (a dialog's control): its messages come
    // here; PreSubclassWindow runs once the window is this object's.
    BOOL SubclassWindow(HWND hwnd);
    virtual void PreSubclassWindow();
    CWnd* GetParent() const;
    CWnd* GetDlgItem(UINT id) const;
    UINT GetDlgCtrlID() const;
    void Invalidate(BOOL erase = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    // Offers a notification from `child` to its own object first.
    bool ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The message being handled, for Default().
    MSG m_currentMsg;
    // For subclasses that register their own window class: whether the
    // window's surface is for OpenGL (set in PreCreateWindow).
    BOOL m_bOpenGLSurface = FALSE;
};

// Delivers a queued message as the message loop does: PreTranslateMessage
// up the parent chain, then WindowProc of the target.
void DispatchQueuedMessage(MSG* msg);

// Removes the first posted message of hwnd in [first, last] (0, 0: any).
// FALSE when there is none. Timer ticks are not among them: a tick that falls
// due while a handler runs is delivered at once after it, and only one.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove);

// Key state as of the message being handled: bit 15 set while the key is
// down; bit 0 of Caps Lock set while it is on.
SHORT GetKeyState(int virtualKey);

void PostQuitMessage(int exitCode);
