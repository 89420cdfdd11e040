// No clipped text: every static and button caption of the dialogs fits its
// control in the font the dialog is laid out with.
#include "ui/about_dlg.h"
#include "ui/aquarium_settings_dlg.h"
#include "ui/command_bar_dlg.h"
#include "ui/fish_settings_dlg.h"
#include "ui/game_over_dlg.h"
#include "ui/skin_about_dlg.h"
#include "ui_fixture.h"

#include <QFontMetrics>
#include <memory>

namespace {

using TextFitTest = UiTest;

// The text without its mnemonic ampersands, as drawn.
QString Drawn(const char* text)
{
    QString s = QString::fromLatin1(text);
    s.replace(QLatin1String("&&"), QLatin1String("\x01"));
    s.remove(QLatin1Char('&'));
    s.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return s;
}

void ExpectTextFits(CDialog& dlg, UINT id)
{
    SCOPED_TRACE(id);
    ASSERT_TRUE(dlg.Create(id));
    const DialogTemplate* t = FindDialogTemplate(id);
    ASSERT_NE(t, nullptr);
    const QFont font = dlg.m_hWnd->client->font();
    const QFontMetrics fm(font);
    for (const DialogItem& item : t->items) {
        if (!(item.style & WS_VISIBLE))
            continue;  // never shown
        const int w = item.cx * DIALOG_UNIT_PIXELS;
        const int h = item.cy * DIALOG_UNIT_PIXELS;
        const std::string cls = item.className;
        const DWORD staticType = item.style & SS_TYPEMASK;
        if (cls == "Static" && staticType != SS_ICON && staticType != SS_BITMAP) {
            // One line each, inside the control.
            EXPECT_LE(fm.horizontalAdvance(Drawn(item.text)), w) << item.text;
            EXPECT_LE(fm.height(), h) << item.text;
        } else if (cls == "Button" && (item.style & BS_TYPEMASK) == BS_OWNERDRAW) {
            // The hover button without an icon: centred on the face, measured
            // with its ampersand, in the button's own font; it must keep clear
            // of the 3-pixel hover and focus frame by kGap pixels.
            constexpr int kGap = 2;
            const CWnd* button = dlg.GetDlgItem(static_cast<UINT>(item.id));
            ASSERT_NE(button, nullptr) << item.text;
            const QFontMetrics bfm(button->m_hWnd->widget->font());
            const int faceLeft = 2, faceRight = w - 2;
            const int x = (faceLeft + faceRight) / 2 - bfm.horizontalAdvance(QString::fromLatin1(item.text)) / 2;
            EXPECT_GE(x, faceLeft + 2 + kGap) << item.text;
            EXPECT_LE(x + 1 + bfm.horizontalAdvance(Drawn(item.text)), faceRight - 2 - kGap) << item.text;
            EXPECT_LE(bfm.height() + 1, h - 4) << item.text;
        } else if (cls == "Button") {
            EXPECT_LE(fm.horizontalAdvance(Drawn(item.text)) + 8, w) << item.text;
            EXPECT_LE(fm.height(), h) << item.text;
        }
    }
    dlg.DestroyWindow();
}

template <class Dialog>
void ExpectTextFits()
{
    Dialog dlg;
    ExpectTextFits(dlg, Dialog::IDD);
}

TEST_F(TextFitTest, EveryCaptionFitsItsControl)
{
    ExpectTextFits<CGameOverDlg>();
    ExpectTextFits<CAboutDlg>();
    ExpectTextFits<CSkinAboutDlg>();
    ExpectTextFits<CFishSettingsDlg>();
    ExpectTextFits<CAquariumSettingsDlg>();
    ExpectTextFits<CCommandBarDlg>();
}

}  // namespace
