// The frame: a top-level window without caption, border or menu, holding the
// game window as its only child.
#pragma once
#include "platform/winapp.h"
#include "view/tank_view.h"

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
    int OnCreate(LPCREATESTRUCT cs) override;
    void OnSetFocus(CWnd* oldWnd) override;
    void OnClose() override;
    void MakeBorderless();

    CTankView m_wndView;
};
