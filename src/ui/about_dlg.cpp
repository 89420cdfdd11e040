#include "ui/about_dlg.h"

#include "ui/skin_art.h"

namespace {

const DialogTemplate kAbout = {
    CAboutDlg::IDD, "About  Parvolune", 235, 55, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    "MS Sans Serif", 9,
    {
        {-1, "Static", "#128", WS_CHILD | WS_VISIBLE | SS_ICON, 11, 17, 20, 20},
        {-1, "Static", "Parvolune Version 1.0", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 40, 10, 119, 8},
        {-1, "Static", "A 3D aquarium to watch and play in", WS_CHILD | WS_VISIBLE | SS_LEFT, 40, 25, 130, 8},
        {IDOK, "Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 178, 7, 50, 14},
    }};
const DialogTemplateRegistration kRegister(kAbout);

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD)
{
    // The icon of the box.
    RegisterUiPictures();
}
