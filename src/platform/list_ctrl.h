// The list view control ("SysListView32") in report view: rows of text under
// a header of columns. The parent hears of clicks (NM_CLICK) and may colour
// each row as it is painted (NM_CUSTOMDRAW), through WM_NOTIFY; a control
// class that handles those itself (OnChildNotify) keeps them from the parent.
#pragma once
#include "platform/messages.h"
#include "platform/wnd.h"

#include <string>

constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_EDITLABELS = 0x0200;
constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;

// Column formats. The first column is always left-aligned.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// Item states.
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;

// Custom draw (NM_CUSTOMDRAW): the parent is asked once before each paint
// (CDDS_PREPAINT) and, when it answers CDRF_NOTIFYITEMDRAW, once for each row
// painted (CDDS_ITEMPREPAINT, dwItemSpec the row), where it may change the
// row's colours in the record. The list paints for itself: hdc is null.
struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText = 0;
    COLORREF clrTextBk = 0;
    int iSubItem = 0;
};

// NM_CLICK: the row and column under the pointer (-1 below the rows).
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    POINT ptAction;
};

class CListCtrl : public CWnd {
public:
    DWORD SetExtendedStyle(DWORD exStyle);
    DWORD GetExtendedStyle() const;
    // The colour of the area without rows, the rows' background and text.
    BOOL SetBkColor(COLORREF color);
    BOOL SetTextBkColor(COLORREF color);
    BOOL SetTextColor(COLORREF color);
    // Width in pixels. Returns the column's index, or -1.
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1);

    // Rows hold their text as given, whatever its length. InsertItem returns
    // the new row's index (at most the row count), or -1.
    int InsertItem(int item, const char* text);
    BOOL SetItemText(int item, int subItem, const char* text);
    std::string GetItemText(int item, int subItem) const;
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    // LVIS_SELECTED and LVIS_FOCUSED of the row, within `mask`.
    UINT GetItemState(int item, UINT mask) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    // Paints the row again.
    BOOL Update(int item);
};

// Makes "SysListView32" controls of dialog templates list views.
void RegisterListViewControl();
