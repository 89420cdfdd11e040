#include "ui/skin_about_dlg.h"

namespace {

constexpr DWORD kText = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;

const DialogTemplate kSkinAbout = {
    CSkinAboutDlg::IDD, "About", 205, 109, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    "System", 10,
    {
        {-1, "Static", "3D Parvolune   Version 1.0", kText, 32, 11, 156, 12},
        {-1, "Static", "Copyright (C) 2024 the Parvolune authors.", kText, 12, 24, 185, 10},
        {-1, "Static", "Parvolune is free to play and to share.", kText, 12, 35, 185, 10},
        {-1, "Static", "It comes with no warranty of any kind.", kText, 12, 46, 185, 10},
        {-1, "Static", "The fish, plants, pictures and music", kText, 12, 57, 185, 10},
        {-1, "Static", "of the tank were made for this game.", kText, 12, 68, 185, 10},
        {-1, "Static", "Their makers keep all rights in them.", kText, 11, 80, 186, 10},
    }};
const DialogTemplateRegistration kRegister(kSkinAbout);

}  // namespace

CSkinAboutDlg::CSkinAboutDlg(CWnd* pParent) : CSkinDialog(IDD, pParent, " About ", CPoint(60, 10)) {}
