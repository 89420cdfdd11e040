// The command bar: a strip of icon buttons at the mouse that chooses the
// game window's mouse tool or opens the Fish or Aquarium settings. It holds
// the game window's current tool, which the game window copies every tick.
#pragma once
#include "platform/dialog.h"
#include "ui/controls/hover_button.h"
#include "ui/tool_ids.h"

class CCommandBarDlg : public CDialog {
public:
    enum { IDD = 157 };
    explicit CCommandBarDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    void OnTouchFish();
    void OnFeedFish();
    void OnFishSettings();
    void OnAquariumSettings();
    void OnCamera();
    void OnRipple();
    void OnShoot();
    void OnMoveCannon();

    // The size the bar takes at the mouse: all its buttons, 40 pixels high.
    static CSize BarSize();

    int m_nCommand = ID_TOOL_SHOOT;
    CHoverButton m_btnMoveCannon;
    CHoverButton m_btnShoot;
    CHoverButton m_btnRipple;
    CHoverButton m_btnCamera;
    CHoverButton m_btnFishSettings;
    CHoverButton m_btnFeed;
    CHoverButton m_btnAquarium;
    CHoverButton m_btnTouch;

private:
    // Sets the tool and ends the bar.
    void ChooseTool(int tool);
};
