// The About box with the skinned caption, opened from the Aquarium settings.
#pragma once
#include "ui/dialog_frame.h"

class CSkinAboutDlg : public CSkinDialog {
public:
    enum { IDD = 230 };
    explicit CSkinAboutDlg(CWnd* pParent = nullptr);
};
