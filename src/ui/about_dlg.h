// The application's About box: the fish icon, the name and version, OK.
#pragma once
#include "platform/dialog.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = 100 };
    CAboutDlg();
};
