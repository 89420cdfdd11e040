// "3D Parvolune - Fish Settings": how many fish of each of the 25 species
// swim in the tank. A 5 x 5 grid of slots, one per species, each showing the
// species and its count; the selected slot (mouse, arrows) gets fish added
// and removed (buttons, A and D, double clicks, the wheel); Random gives
// every species 0 or 1 fish, Clear none. Every 500 ms, on OK and on closing,
// the counts go to the settings file and to the tank.
#pragma once
#include "platform/cursor.h"
#include "platform/dialog.h"
#include "ui/controls/hover_button.h"
#include "ui/controls/hyperlink.h"
#include "ui/fish_grid_picture.h"

class CFishSettingsDlg : public CDialog {
public:
    enum { IDD = 102 };
    explicit CFishSettingsDlg(CWnd* pParent = nullptr);

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

    void OnAddFish();
    void OnDeleteFish();
    void OnRandomFish();
    void OnClearFish();
    void OnPrevPage();
    void OnNextPage();
    void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);

    void LoadCounts();
    void SaveCounts();
    void UpdateTotal();
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
    RECT m_rcSlot[FISH_GRID_COLUMNS * FISH_GRID_ROWS];
    int m_nSel = -1;
    int m_nCount[FISH_GRID_COLUMNS * FISH_GRID_ROWS] = {};
    int m_nCellWidth = FISH_CELL_WIDTH;
    int m_nCellHeight = FISH_CELL_HEIGHT;
    int m_nTotal = 0;
    int m_nPage = 0;
    HCURSOR m_hHandCursor = nullptr;

private:
    bool IsSlot(int i) const { return i >= 0 && i < FISH_GRID_COLUMNS * FISH_GRID_ROWS; }
    void InvalidateArea(const RECT& rect);
};
