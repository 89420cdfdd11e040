// Standard controls of dialogs under their usual names: push buttons
// (owner-drawn ones paint in DrawItem), static texts and pictures, tooltips.
#pragma once
#include "platform/wnd.h"

#include <string>
#include <vector>

class CButton : public CWnd {
public:
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Paints an owner-drawn button (the parent's WM_DRAWITEM, reflected).
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    UINT GetButtonStyle() const;
};

// Texts and pictures: SS_ICON and SS_BITMAP show the icon or bitmap the
// template names as "#id" until STM_SETIMAGE gives another. With SS_NOTIFY a
// click tells the parent (STN_CLICKED, STN_DBLCLK).
constexpr UINT STM_SETIMAGE = 0x0172;
constexpr UINT STM_GETIMAGE = 0x0173;
constexpr UINT STN_CLICKED = 0;
constexpr UINT STN_DBLCLK = 1;

class CStatic : public CWnd {
public:
    // The bitmap shown (the caller keeps it); returns the one shown before.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

// WM_NOTIFY: the header of every notification.
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};
using LPNMHDR = NMHDR*;

// Custom draw: a control asks its parent (WM_NOTIFY, NM_CUSTOMDRAW, reflected
// to the control) at each stage of its painting.
constexpr UINT NM_CUSTOMDRAW = static_cast<UINT>(-12);
constexpr DWORD CDDS_PREPAINT = 0x00000001;
constexpr DWORD CDDS_POSTPAINT = 0x00000002;
constexpr DWORD CDDS_PREERASE = 0x00000003;
constexpr DWORD CDDS_POSTERASE = 0x00000004;
constexpr DWORD CDDS_ITEM = 0x00010000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
constexpr DWORD CDDS_ITEMPREERASE = CDDS_ITEM | CDDS_PREERASE;
constexpr DWORD CDDS_ITEMPOSTERASE = CDDS_ITEM | CDDS_POSTERASE;
constexpr LRESULT CDRF_DODEFAULT = 0x00;
constexpr LRESULT CDRF_SKIPDEFAULT = 0x04;
constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x10;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
constexpr UINT CDIS_SELECTED = 0x0001;
struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc = nullptr;
    RECT rc;
    uintptr_t dwItemSpec = 0;
    UINT uItemState = 0;
    LPARAM lItemlParam = 0;
};
using LPNMCUSTOMDRAW = NMCUSTOMDRAW*;

// Track bars ("msctls_trackbar32"): a thumb on a channel between a minimum
// and a maximum (at the top of a vertical one), tick marks at both ends.
// Moving the thumb sends WM_HSCROLL or WM_VSCROLL (low word the TB_ code,
// high word the position for the thumb codes, lParam the track bar).
constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_HORZ = 0x0000;
constexpr DWORD TBS_TOP = 0x0004;
constexpr DWORD TBS_LEFT = 0x0004;
constexpr DWORD TBS_BOTH = 0x0008;
constexpr DWORD TBS_NOTICKS = 0x0010;
constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGE = WM_USER + 6;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_SETPAGESIZE = WM_USER + 21;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;
constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;
constexpr UINT TB_LINEUP = 0;
constexpr UINT TB_LINEDOWN = 1;
constexpr UINT TB_PAGEUP = 2;
constexpr UINT TB_PAGEDOWN = 3;
constexpr UINT TB_THUMBPOSITION = 4;
constexpr UINT TB_THUMBTRACK = 5;
constexpr UINT TB_TOP = 6;
constexpr UINT TB_BOTTOM = 7;
constexpr UINT TB_ENDTRACK = 8;
// The parts custom draw names (dwItemSpec).
constexpr UINT TBCD_TICS = 1;
constexpr UINT TBCD_THUMB = 2;
constexpr UINT TBCD_CHANNEL = 3;

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    int GetRangeMin() const;
    int GetRangeMax() const;
    // Held to the range.
    void SetPos(int position);
    int GetPos() const;
    int SetPageSize(int size);
    void GetThumbRect(LPRECT rect) const;
    void GetChannelRect(LPRECT rect) const;
};

// Tab controls ("SysTabControl32"): a row of tabs; choosing one sends
// WM_NOTIFY TCN_SELCHANGE to the parent.
constexpr UINT TCM_GETITEMCOUNT = 0x1304;
constexpr UINT TCM_INSERTITEMA = 0x1307;
constexpr UINT TCM_DELETEALLITEMS = 0x1309;
constexpr UINT TCM_GETCURSEL = 0x130B;
constexpr UINT TCM_SETCURSEL = 0x130C;
constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);
constexpr UINT TCIF_TEXT = 0x0001;
struct TCITEMA {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

class CTabCtrl : public CWnd {
public:
    // The index the tab got, -1 on failure.
    LONG InsertItem(int item, const char* text);
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int item);
};

// The window holding the mouse: it gets every mouse message until released.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// The pointer in screen pixels.
BOOL GetCursorPos(POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
BOOL ClientToScreen(HWND hwnd, POINT* point);
// The window class a window was made with ("Button", "Static", "#32770", ...).
int GetClassNameA(HWND hwnd, char* name, int maxCount);
constexpr UINT MB_ICONEXCLAMATION = MB_ICONWARNING;
BOOL MessageBeep(UINT type);

// Tooltips of controls; the toolkit shows the text while the pointer rests
// on the tool's window and the tooltip is active.
class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* wnd, const char* text, LPCRECT toolRect = nullptr, UINT toolId = 0);
    void UpdateTipText(const char* text, CWnd* wnd, UINT toolId = 0);
    void Activate(BOOL activate);
    int GetToolCount() const;
    int SetMaxTipWidth(int width);
    // The toolkit watches the pointer itself; nothing to relay.
    void RelayEvent(MSG*) {}
    void OnDestroy() override;

private:
    struct Tool {
        HWND hwnd;
        UINT id;
        std::string text;
    };
    void Apply() const;

    std::vector<Tool> m_tools;
    BOOL m_bActive = TRUE;
    int m_nMaxWidth = -1;
};
