#include "ui/fish_settings_dlg.h"

#include "gfx/settings.h"
#include "platform/crt.h"
#include "ui/dialog_art.h"
#include "ui/dialog_commands.h"
#include "ui/dialog_frame.h"
#include "ui/help_page.h"
#include "ui/tool_ids.h"
#include "ui/ui_resource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR SAVE_TIMER = 1;
constexpr UINT SAVE_PERIOD_MS = 500;
constexpr int SLOT_COUNT = FISH_GRID_COLUMNS * FISH_GRID_ROWS;

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

// The template names the "System" font; its captions fit their buttons in
// the dialog face "MS Sans Serif" at the same 2 pixels per dialog unit.
const DialogTemplate kFishSettings = {
    CFishSettingsDlg::IDD, "3D Parvolune - Fish Settings", 256, 270,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, "MS Sans Serif", 8,
    {
        {IDC_ADD, "Button", "Add(&A)", kOwnerDrawn, 50, 258, 39, 11},
        {IDC_DELETE, "Button", "Delete(&D)", kOwnerDrawn, 89, 258, 39, 11},
        {IDC_RANDOM, "Button", "Random(&R)", kOwnerDrawn, 129, 258, 44, 11},
        {IDOK, "Button", "OK", kHidden | BS_DEFPUSHBUTTON, 28, 169, 47, 21},
        {IDCANCEL, "Button", "Cancel", kHidden | BS_PUSHBUTTON, 127, 174, 47, 21},
        {IDC_LINK, "Static", "Parvolune help page", WS_CHILD | WS_VISIBLE | SS_LEFT, 9, 245, 113, 12},
        {IDC_CLEAR, "Button", "Clear(&C)", kOwnerDrawn, 174, 258, 38, 11},
        {IDC_TAB, "SysTabControl32", "Tab1", kHidden, 11, 137, 124, 17},
        {IDC_PREV, "Button", "Prev(&P)", kHidden | WS_DISABLED | BS_OWNERDRAW, 105, 224, 39, 10},
        {IDC_NEXT, "Button", "Next(&N)", kHidden | WS_DISABLED | BS_OWNERDRAW, 145, 224, 40, 9},
    }};
const DialogTemplateRegistration kRegister(kFishSettings);

const DialogCommandRegistration kCommand(ID_TOOL_FISH_SETTINGS, [] {
    CFishSettingsDlg dialog(nullptr);
    dialog.DoModal();
});

}  // namespace

CFishSettingsDlg::CFishSettingsDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_linkHome.SetURL(HelpPageAddress().c_str());
}

void CFishSettingsDlg::DoDataExchange(CDataExchange* pDX)
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

LRESULT CFishSettingsDlg::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CDialog::DefWindowProc(message, wParam, lParam);
}

BOOL CFishSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RegisterDialogPictures();
    RegisterFishGridPicture();
    for (int i = 0; i < SLOT_COUNT; ++i) {
        const int left = FISH_GRID_LEFT + i % FISH_GRID_COLUMNS * m_nCellWidth;
        const int top = FISH_GRID_TOP + i / FISH_GRID_COLUMNS * m_nCellHeight;
        m_rcSlot[i] = RECT{left, top, left + m_nCellWidth, top + m_nCellHeight};
    }
    LoadCounts();
    SetTimer(SAVE_TIMER, SAVE_PERIOD_MS, nullptr);
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

BOOL CFishSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CDialog::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_CLEAR: OnClearFish(); return TRUE;
    case IDC_PREV: OnPrevPage(); return TRUE;
    case IDC_NEXT: OnNextPage(); return TRUE;
    case IDC_ADD: OnAddFish(); return TRUE;
    case IDC_DELETE: OnDeleteFish(); return TRUE;
    case IDC_RANDOM: OnRandomFish(); return TRUE;
    default: return FALSE;
    }
}

BOOL CFishSettingsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->idFrom == IDC_TAB && header->code == TCN_SELCHANGE) {
        OnSelchangeTab(header, pResult);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}

int CFishSettingsDlg::OnCreate(LPCREATESTRUCT)
{
    return Default() == -1 ? -1 : 0;
}

void CFishSettingsDlg::OnClose()
{
    // Closing keeps the counts, as OK does.
    OnOK();
    Default();
}

void CFishSettingsDlg::OnOK()
{
    SaveCounts();
    CDialog::OnOK();
}

void CFishSettingsDlg::OnTimer(UINT_PTR)
{
    SaveCounts();
    Default();
}

BOOL CFishSettingsDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    char name[81] = {};
    if (pWnd && GetClassNameA(pWnd->m_hWnd, name, sizeof name) && std::strcmp(name, "Button") == 0 && m_hHandCursor) {
        SetCursor(m_hHandCursor);
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

HBRUSH CFishSettingsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return TransparentStaticBrush(CDialog::OnCtlColor(pDC, pWnd, nCtlColor), pDC, nCtlColor);
}

// ---- the grid ----

void CFishSettingsDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(115, 115, 115));

    if (m_nPage <= 1)
        BlitBitmap(&dc, m_nPage == 0 ? IDB_FISH_PAGE0 : IDB_FISH_PAGE1, 0, 0);

    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < SLOT_COUNT; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", m_nCount[i]);
        dc.TextOut(m_rcSlot[i].left + 2, m_rcSlot[i].top + 2, text);
    }

    dc.SetROP2(R2_NOT);
    if (IsSlot(m_nSel))
        dc.Ellipse(&m_rcSlot[m_nSel]);
    Default();
}

void CFishSettingsDlg::OnLButtonDown(UINT, CPoint point)
{
    InvalidateSlotCell(m_nSel);
    // The drawn cells decide: a click outside every cell selects nothing.
    int hit = -1;
    for (int i = 0; i < SLOT_COUNT; ++i)
        if (CRect(m_rcSlot[i]).PtInRect(point))
            hit = i;
    if (hit < 0) {
        m_nSel = -1;
        return;
    }
    const int previous = m_nSel;
    m_nSel = hit + m_nPage * SLOT_COUNT;
    if (IsSlot(m_nSel) && m_nSel != previous) {
        InvalidateSlotCell(previous);
        InvalidateSlotCell(m_nSel);
    }
    Default();
}

void CFishSettingsDlg::OnLButtonDblClk(UINT, CPoint)
{
    OnAddFish();
    Default();
}

void CFishSettingsDlg::OnRButtonDblClk(UINT, CPoint)
{
    OnDeleteFish();
    Default();
}

BOOL CFishSettingsDlg::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (zDelta > 0)
        OnAddFish();
    else
        OnDeleteFish();
    return static_cast<BOOL>(Default());
}

BOOL CFishSettingsDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case 'A': OnAddFish(); return TRUE;
        case 'D': OnDeleteFish(); return TRUE;
        case 'R': OnRandomFish(); return TRUE;
        case 'C': OnClearFish(); return TRUE;
        default: break;
        }
        // Left and Right step through the slots in index order, Up and Down by
        // rows; every arrow is taken, also at the edges.
        int step = 0;
        bool allowed = false;
        switch (pMsg->wParam) {
        case VK_LEFT:
            step = -1;
            allowed = m_nSel >= 1 && m_nSel <= SLOT_COUNT - 1;
            break;
        case VK_RIGHT:
            step = 1;
            allowed = m_nSel >= 0 && m_nSel <= SLOT_COUNT - 2;
            break;
        case VK_DOWN:
            step = FISH_GRID_COLUMNS;
            allowed = m_nSel >= 0 && m_nSel <= SLOT_COUNT - 1 - FISH_GRID_COLUMNS;
            break;
        case VK_UP:
            step = -FISH_GRID_COLUMNS;
            allowed = m_nSel >= FISH_GRID_COLUMNS && m_nSel <= SLOT_COUNT - 1;
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
    return CDialog::PreTranslateMessage(pMsg);
}

// ---- editing ----

void CFishSettingsDlg::OnAddFish()
{
    if (!IsSlot(m_nSel) || m_nTotal >= MAX_FISH_COUNT)
        return;
    if (++m_nCount[m_nSel] > MAX_FISH_COUNT)
        m_nCount[m_nSel] = MAX_FISH_COUNT;
    InvalidateSlot(m_nSel);
}

void CFishSettingsDlg::OnDeleteFish()
{
    if (!IsSlot(m_nSel))
        return;
    if (--m_nCount[m_nSel] < 0)
        m_nCount[m_nSel] = 0;
    InvalidateSlot(m_nSel);
}

void CFishSettingsDlg::OnRandomFish()
{
    for (int& count : m_nCount)
        count = crt::rand() % 2;
    InvalidateSlotCell(m_nSel);
    for (int i = 0; i < SLOT_COUNT; ++i)
        InvalidateSlot(i);
    m_nSel = -1;
}

void CFishSettingsDlg::OnClearFish()
{
    for (int i = 0; i < SLOT_COUNT; ++i) {
        m_nCount[i] = 0;
        InvalidateSlot(i);
    }
}

// ---- pages (their controls are hidden: in use the page stays 0) ----

void CFishSettingsDlg::OnSelchangeTab(NMHDR*, LRESULT* pResult)
{
    m_nPage = m_tabPages.GetCurSel();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    m_nSel = -1;
    *pResult = 0;
}

void CFishSettingsDlg::OnPrevPage()
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

void CFishSettingsDlg::OnNextPage()
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

void CFishSettingsDlg::LoadCounts()
{
    const CSettingsFile file;
    for (int i = 0; i < SLOT_COUNT; ++i)
        m_nCount[i] = std::atoi(file.Read(g_FishCountSection.section, CountKey(g_FishCountSection, i).c_str()).c_str());
}

void CFishSettingsDlg::SaveCounts()
{
    const CSettingsFile file;
    for (int i = 0; i < SLOT_COUNT; ++i)
        file.Write(g_FishCountSection.section, CountKey(g_FishCountSection, i).c_str(), std::to_string(m_nCount[i]));
    ApplyFishCounts(m_nCount);
}

// ---- repainting ----

void CFishSettingsDlg::InvalidateArea(const RECT& rect)
{
    RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CFishSettingsDlg::UpdateTotal()
{
    m_nTotal = 0;
    for (int count : m_nCount)
        m_nTotal += count;
    InvalidateArea(RECT{470, 490, 500, 510});
}

void CFishSettingsDlg::InvalidateSlot(int i)
{
    if (IsSlot(i))
        InvalidateArea(RECT{m_rcSlot[i].left, m_rcSlot[i].top, m_rcSlot[i].left + 20, m_rcSlot[i].top + 20});
    UpdateTotal();
}

void CFishSettingsDlg::InvalidateSlotCell(int i)
{
    if (IsSlot(i))
        InvalidateArea(m_rcSlot[i]);
    UpdateTotal();
}
