#include "ui/count_grid_dlg.h"

#include "platform/crt.h"
#include "settings/settings_file.h"
#include "ui/dialog_art.h"
#include "ui/dialog_frame.h"
#include "ui/help_page.h"
#include "ui/ui_resource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr UINT_PTR SAVE_TIMER = 1;
constexpr UINT SAVE_PERIOD_MS = 500;

constexpr int IDC_ADD = 1007;
constexpr int IDC_DELETE = 1008;
constexpr int IDC_RANDOM = 1009;
constexpr int IDC_CLEAR = 1010;
constexpr int IDC_TAB = 1011;
constexpr int IDC_PREV = 1035;
constexpr int IDC_NEXT = 1036;
constexpr int IDC_LINK = 1037;

constexpr DWORD kOwnerDrawn = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kHidden = WS_CHILD | WS_TABSTOP;

}  // namespace

DialogTemplate CountGridTemplate(UINT id, const char* caption, int linkTop, bool tabsLast)
{
    // The template names the "System" font; its captions fit their buttons in
    // the dialog face "MS Sans Serif" at the same 2 pixels per dialog unit.
    DialogTemplate t = {
        id, caption, 256, 270, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, "MS Sans Serif", 8,
        {
            {IDC_ADD, "Button", "Add(&A)", kOwnerDrawn, 50, 258, 39, 11},
            {IDC_DELETE, "Button", "Delete(&D)", kOwnerDrawn, 89, 258, 39, 11},
            {IDC_RANDOM, "Button", "Random(&R)", kOwnerDrawn, 129, 258, 44, 11},
            {IDOK, "Button", "OK", kHidden | BS_DEFPUSHBUTTON, 28, 169, 47, 21},
            {IDCANCEL, "Button", "Cancel", kHidden | BS_PUSHBUTTON, 127, 174, 47, 21},
            {IDC_LINK, "Static", "Parvolune help page", WS_CHILD | WS_VISIBLE | SS_LEFT, 9, linkTop, 113, 12},
            {IDC_CLEAR, "Button", "Clear(&C)", kOwnerDrawn, 174, 258, 38, 11},
            {IDC_PREV, "Button", "Prev(&P)", kHidden | WS_DISABLED | BS_OWNERDRAW, 105, 224, 39, 10},
            {IDC_NEXT, "Button", "Next(&N)", kHidden | WS_DISABLED | BS_OWNERDRAW, 145, 224, 40, 9},
        }};
    const DialogItem tabs = {IDC_TAB, "SysTabControl32", "Tab1", kHidden, 11, 137, 124, 17};
    t.items.insert(tabsLast ? t.items.end() : t.items.end() - 2, tabs);
    return t;
}

CCountGridDlg::CCountGridDlg(UINT templateId, const CountGridSlots& slots, CWnd* pParent)
    : CDialog(templateId, pParent), m_slots(slots)
{
    m_linkHome.SetURL(HelpPageAddress().c_str());
}

void CCountGridDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEXT, m_btnNext);
    DDX_Control(pDX, IDC_PREV, m_btnPrev);
    DDX_Control(pDX, IDC_TAB, m_tabPages);
    DDX_Control(pDX, IDC_LINK, m_linkHome);
    DDX_Control(pDX, IDC_CLEAR, m_btnClear);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_RANDOM, m_btnRandom);
    DDX_Control(pDX, IDC_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_ADD, m_btnAdd);
}

LRESULT CCountGridDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CDialog::DefWindowProc(message, wParam, lParam);
}

BOOL CCountGridDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RegisterDialogPictures();
    if (m_slots.registerPicture)
        m_slots.registerPicture();
    for (int i = 0; i < SlotCount(); ++i) {
        const GridCell c = CountGridCell(i);
        m_rcSlot[i] = RECT{c.left, c.top, c.left + m_nCellWidth, c.top + m_nCellHeight};
    }
    LoadCounts();
    SetTimer(SAVE_TIMER, SAVE_PERIOD_MS, nullptr);
    // Both dialogs keep the Fish dialog's wording.
    m_btnClear.SetTooltipText("Clear All Fish", TRUE);
    m_btnRandom.SetTooltipText("Random  All Fish", TRUE);
    m_btnDelete.SetTooltipText("Delete Fish", TRUE);
    m_btnAdd.SetTooltipText("Add Fish", TRUE);
    m_btnPrev.SetTooltipText("Previous Page", TRUE);
    m_btnNext.SetTooltipText("Next Page", TRUE);
    UpdateTotal();
    if (CWnd* prev = GetDlgItem(IDC_PREV))
        prev->EnableWindow(FALSE);
    m_tabPages.InsertItem(0, "Fish Page 1");
    m_tabPages.InsertItem(1, "Fish Page 2");
    m_tabPages.InsertItem(2, "Fish Page 3");
    m_hHandCursor = LoadCursorResource(IDC_HAND);
    return TRUE;
}

BOOL CCountGridDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CDialog::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_CLEAR: ClearCounts(); return TRUE;
    case IDC_PREV: OnPrevPage(); return TRUE;
    case IDC_NEXT: OnNextPage(); return TRUE;
    case IDC_ADD: AddToSelected(); return TRUE;
    case IDC_DELETE: DeleteFromSelected(); return TRUE;
    case IDC_RANDOM: RandomCounts(); return TRUE;
    default: return FALSE;
    }
}

BOOL CCountGridDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->idFrom == IDC_TAB && header->code == TCN_SELCHANGE) {
        OnSelchangeTab(header, pResult);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

int CCountGridDlg::OnCreate(LPCREATESTRUCT)
{
    return Default() == -1 ? -1 : 0;
}

void CCountGridDlg::OnClose()
{
    // Closing keeps the counts, as OK does.
    OnOK();
    Default();
}

void CCountGridDlg::OnOK()
{
    SaveCounts();
    CDialog::OnOK();
}

void CCountGridDlg::OnTimer(UINT_PTR)
{
    SaveCounts();
    Default();
}

BOOL CCountGridDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    char name[81] = {};
    if (pWnd && GetClassNameA(pWnd->m_hWnd, name, sizeof name) && std::strcmp(name, "Button") == 0 && m_hHandCursor) {
        SetCursor(m_hHandCursor);
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

HBRUSH CCountGridDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return TransparentStaticBrush(CDialog::OnCtlColor(pDC, pWnd, nCtlColor), pDC, nCtlColor);
}

// ---- the grid ----

void CCountGridDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(115, 115, 115));

    if (m_nPage <= 1 && m_slots.pagePicture[m_nPage])
        BlitBitmap(&dc, m_slots.pagePicture[m_nPage], 0, 0);

    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < SlotCount(); ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", m_nCount[i]);
        dc.TextOut(m_rcSlot[i].left + 2, m_rcSlot[i].top + 2, text);
    }

    dc.SetROP2(R2_NOT);
    if (IsSlot(m_nSel))
        dc.Ellipse(&m_rcSlot[m_nSel]);
    Default();
}

void CCountGridDlg::OnLButtonDown(UINT, CPoint point)
{
    InvalidateSlotCell(m_nSel);
    // The drawn cells decide: a click outside every cell selects nothing.
    int hit = -1;
    for (int i = 0; i < SlotCount(); ++i)
        if (CRect(m_rcSlot[i]).PtInRect(point))
            hit = i;
    if (hit < 0) {
        m_nSel = -1;
        return;
    }
    const int previous = m_nSel;
    m_nSel = hit + m_nPage * COUNT_GRID_SLOTS;
    if (IsSlot(m_nSel) && m_nSel != previous) {
        InvalidateSlotCell(previous);
        InvalidateSlotCell(m_nSel);
    }
    Default();
}

void CCountGridDlg::OnLButtonDblClk(UINT, CPoint)
{
    AddToSelected();
    Default();
}

void CCountGridDlg::OnRButtonDblClk(UINT, CPoint)
{
    DeleteFromSelected();
    Default();
}

BOOL CCountGridDlg::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (zDelta > 0)
        AddToSelected();
    else
        DeleteFromSelected();
    return static_cast<BOOL>(Default());
}

BOOL CCountGridDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return CDialog::PreTranslateMessage(pMsg);
    switch (pMsg->wParam) {
    case 'A': AddToSelected(); return TRUE;
    case 'D': DeleteFromSelected(); return TRUE;
    case 'R': RandomCounts(); return TRUE;
    case 'C': ClearCounts(); return TRUE;
    default: break;
    }
    // Left and Right step through the slots in index order, Up and Down by
    // rows; every arrow is taken, also at the edges.
    const int last = SlotCount() - 1;
    int step = 0;
    bool allowed = false;
    switch (pMsg->wParam) {
    case VK_LEFT:
        step = -1;
        allowed = m_nSel >= 1 && m_nSel <= last;
        break;
    case VK_RIGHT:
        step = 1;
        allowed = m_nSel >= 0 && m_nSel <= last - 1;
        break;
    case VK_DOWN:
        step = COUNT_GRID_COLUMNS;
        allowed = m_nSel >= 0 && m_nSel <= last - COUNT_GRID_COLUMNS;
        break;
    case VK_UP:
        step = -COUNT_GRID_COLUMNS;
        allowed = m_nSel >= COUNT_GRID_COLUMNS && m_nSel <= last;
        break;
    default: return CDialog::PreTranslateMessage(pMsg);
    }
    if (allowed) {
        InvalidateSlotCell(m_nSel);
        m_nSel += step;
        InvalidateSlotCell(m_nSel);
    }
    return TRUE;
}

// ---- editing ----

void CCountGridDlg::DeleteFromSelected()
{
    if (!IsSlot(m_nSel))
        return;
    if (--m_nCount[m_nSel] < 0)
        m_nCount[m_nSel] = 0;
    InvalidateSlot(m_nSel);
}

void CCountGridDlg::RandomCounts()
{
    for (int i = 0; i < SlotCount(); ++i)
        m_nCount[i] = crt::rand() % 2;
    InvalidateSlotCell(m_nSel);
    for (int i = 0; i < SlotCount(); ++i)
        InvalidateSlot(i);
    m_nSel = -1;
}

void CCountGridDlg::ClearCounts()
{
    for (int i = 0; i < SlotCount(); ++i) {
        m_nCount[i] = 0;
        InvalidateSlot(i);
    }
}

// ---- pages (their controls are hidden: in use the page stays 0) ----

void CCountGridDlg::OnSelchangeTab(NMHDR*, LRESULT* pResult)
{
    m_nPage = m_tabPages.GetCurSel();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    m_nSel = -1;
    *pResult = 0;
}

void CCountGridDlg::OnPrevPage()
{
    if (CWnd* next = GetDlgItem(IDC_NEXT))
        next->EnableWindow(TRUE);
    CWnd* prev = GetDlgItem(IDC_PREV);
    if (m_nPage == 0) {
        if (prev)
            prev->EnableWindow(FALSE);
        return;
    }
    --m_nPage;
    m_nSel = -1;
    if (m_nPage == 0 && prev)
        prev->EnableWindow(FALSE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    SetFocus();
}

void CCountGridDlg::OnNextPage()
{
    if (CWnd* prev = GetDlgItem(IDC_PREV))
        prev->EnableWindow(TRUE);
    if (m_nPage == 3)
        return;
    ++m_nPage;
    m_nSel = -1;
    if (m_nPage == 3)
        if (CWnd* next = GetDlgItem(IDC_NEXT))
            next->EnableWindow(FALSE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    SetFocus();
}

// ---- the settings file ----

void CCountGridDlg::LoadCounts()
{
    // The counts the tank holds, then the file's as the tank takes them.
    const CountSection& s = *m_slots.section;
    std::copy_n(s.counts(g_Settings), SlotCount(), m_nCount);
    ReadCountSection(CSettingsFile(), s, m_nCount);
}

void CCountGridDlg::SaveCounts()
{
    CSettingsFile().WriteCounts(*m_slots.section, m_nCount);
    ApplyCounts(*m_slots.section, m_nCount);
}

// ---- repainting ----

void CCountGridDlg::InvalidateArea(const RECT& rect)
{
    RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CCountGridDlg::InvalidateSlot(int i)
{
    if (IsSlot(i))
        InvalidateArea(RECT{m_rcSlot[i].left, m_rcSlot[i].top, m_rcSlot[i].left + 20, m_rcSlot[i].top + 20});
    UpdateTotal();
}

void CCountGridDlg::InvalidateSlotCell(int i)
{
    if (IsSlot(i))
        InvalidateArea(m_rcSlot[i]);
    UpdateTotal();
}
