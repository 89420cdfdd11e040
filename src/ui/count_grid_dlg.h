// The Fish and Plants settings dialogs share everything but their slots:
// a grid of slots (5 columns of 100 x 90 cells), one per species or plant
// kind, each showing its count; the selected slot (mouse, arrows) gets
// counts added and removed (buttons, A and D, double clicks, the wheel);
// Random gives every slot 0 or 1, Clear 0. The dialog opens with the counts
// of the settings file as the game reads them; every 500 ms, on OK and on
// closing, they go to their section of the file and to the tank. Hidden
// page controls (tabs, Prev, Next) are kept as the templates have them.
#pragma once
#include "platform/cursor.h"
#include "platform/dialog.h"
#include "settings/settings.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/hyperlink.h"
#include "ui/count_grid_picture.h"

// What a grid dialog's slots are.
struct CountGridSlots {
    const CountSection* section;  // the INI section and the tank's counts; its count is the number of slots
    // The page pictures of pages 0 and 1 (0: none), and the function that
    // makes page 0's picture when the dialog opens.
    UINT pagePicture[2];
    void (*registerPicture)();
};

// The grid dialogs' template (the Fish dialog's, template 102): `caption`,
// the web link at y `linkTop`, the hidden tabs last or before Prev and Next.
DialogTemplate CountGridTemplate(UINT id, const char* caption, int linkTop, bool tabsLast);

class CCountGridDlg : public CDialog {
public:
    CCountGridDlg(UINT templateId, const CountGridSlots& slots, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int OnCreate(LPCREATESTRUCT cs) override;
    void OnClose() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;

    // The four edits of the selected slot (Add by the dialog's own rule).
    virtual void AddToSelected() = 0;
    void DeleteFromSelected();
    void RandomCounts();
    void ClearCounts();
    void OnPrevPage();
    void OnNextPage();
    void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);

    void LoadCounts();
    void SaveCounts();
    virtual void UpdateTotal() {}
    // Repaints the count of slot i (its cell's top-left 20 x 20 square), then the total.
    void InvalidateSlot(int i);
    // Repaints the whole cell of slot i, then the total.
    void InvalidateSlotCell(int i);

    CTabCtrl m_tabPages;
    CHyperLink m_linkHome;
    CHoverButton m_btnClear;
    CHoverButton m_btnOK;
    CHoverButton m_btnCancel;
    CHoverButton m_btnRandom;
    CHoverButton m_btnDelete;
    CHoverButton m_btnAdd;
    CHoverButton m_btnNext;
    CHoverButton m_btnPrev;
    RECT m_rcSlot[COUNT_GRID_SLOTS];
    int m_nSel = -1;
    int m_nCount[COUNT_GRID_SLOTS] = {};
    int m_nCellWidth = COUNT_CELL_WIDTH;
    int m_nCellHeight = COUNT_CELL_HEIGHT;
    int m_nTotal = 0;
    int m_nPage = 0;
    HCURSOR m_hHandCursor = nullptr;

protected:
    int SlotCount() const { return m_slots.section->count; }
    bool IsSlot(int i) const { return i >= 0 && i < SlotCount(); }
    void InvalidateArea(const RECT& rect);

private:
    const CountGridSlots& m_slots;
};
