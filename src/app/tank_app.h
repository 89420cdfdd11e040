// The application object: one running copy, one borderless maximized frame.
#pragma once
#include "platform/winapp.h"

class CTankApp : public CWinApp {
public:
    CTankApp();
    BOOL InitInstance() override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo) override;
    void OnAppAbout();
};

extern CTankApp g_App;
