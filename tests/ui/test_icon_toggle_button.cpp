// The on/off switch, read from its painted pixels and from what its parent
// is told: the click order, the check messages, lamp and icon marks, hover,
// the mark's side.
#include "ui/controls/icon_toggle_button.h"
#include "ui_fixture.h"

#include <QTest>
#include <vector>

namespace {

constexpr UINT IDD_SWITCHES = 9651;
constexpr int IDC_LAMP = 1201;
constexpr int IDC_LEFTTEXT = 1202;
constexpr int IDC_ICONS = 1203;
constexpr UINT IDI_ON = 9652;
constexpr UINT IDI_OFF = 9653;

constexpr DWORD kCheckBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
const DialogTemplate kSwitches = {IDD_SWITCHES, "Switches", 120, 40, WS_POPUP | WS_CAPTION | DS_SETFONT, "System", 9,
                                  {
                                      // The size of the dialogs' switches.
                                      {IDC_LAMP, "Button", "", kCheckBox, 8, 10, 9, 10},
                                      {IDC_LEFTTEXT, "Button", "Random", kCheckBox | BS_LEFTTEXT, 30, 8, 50, 12},
                                      {IDC_ICONS, "Button", "", kCheckBox, 90, 8, 12, 12},
                                  }};
const DialogTemplateRegistration kRegister(kSwitches);

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlack = RGB(0, 0, 0);

QColor Qc(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

class SwitchesDlg : public CDialog {
public:
    enum { IDD = IDD_SWITCHES };
    SwitchesDlg() : CDialog(IDD) {}
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_LAMP, m_lamp);
        DDX_Control(dx, IDC_LEFTTEXT, m_leftText);
        DDX_Control(dx, IDC_ICONS, m_icons);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (CIconButton* b : {&m_lamp, &m_leftText, &m_icons})
            b->SetColors(kGreen, kBlack);
        return TRUE;
    }
    // Each command with the state its handler reads.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        CWnd* control = GetDlgItem(LOWORD(wParam));
        commands.push_back({LOWORD(wParam), HIWORD(wParam), lParam,
                            control ? static_cast<int>(control->SendMessage(BM_GETCHECK)) : -1});
        return CDialog::OnCommand(wParam, lParam);
    }
    struct Command {
        int id, code;
        LPARAM lParam;
        int check;
        bool operator==(const Command&) const = default;
    };
    CIconButton m_lamp, m_leftText, m_icons;
    std::vector<Command> commands;
};

class IconButtonTest : public ShownDialogTest<SwitchesDlg> {
protected:
    static void SetUpTestSuite()
    {
        UiTest::SetUpTestSuite();
        const std::vector<uint32_t> red(16 * 16, 0xFFFF0000u), blue(16 * 16, 0xFF0000FFu);
        RegisterIconResource(IDI_ON, 16, 16, red.data());
        RegisterIconResource(IDI_OFF, 16, 16, blue.data());
    }

    // The 18 x 20 switch: face (0, 0)-(18, 20) less 3 pixels each side, so
    // the 15-pixel lamp spans x 3..17 and y 2..16 (top 2 + (17 - 15 - 3) / 2).
    const QPoint lampCentre{10, 9};
    const QPoint lampOutline{3, 9};
    const QPoint lampRing{4, 9};
};

TEST_F(IconButtonTest, BindingMakesItOwnerDrawnAndKeepsTheOtherStyleBits)
{
    EXPECT_EQ(dlg.m_lamp.GetStyle() & 0x1F, BS_OWNERDRAW);
    EXPECT_EQ(dlg.m_leftText.GetStyle() & (0x1F | BS_LEFTTEXT), BS_OWNERDRAW | BS_LEFTTEXT);
}

TEST_F(IconButtonTest, ClickFlipsTheStateThenTellsTheParentOnce)
{
    QWidget* lamp = WidgetOf(&dlg.m_lamp);
    const SwitchesDlg::Command on{IDC_LAMP, BN_CLICKED, 0, 1}, off{IDC_LAMP, BN_CLICKED, 0, 0};

    QTest::mouseClick(lamp, Qt::LeftButton, {}, lampCentre);
    EXPECT_EQ(dlg.m_lamp.GetCheck(), 1);
    EXPECT_TRUE(dlg.commands.empty()) << "the command is posted, not sent";
    AfxPumpMessages(20);
    EXPECT_EQ(dlg.commands, std::vector<SwitchesDlg::Command>{on});
    EXPECT_EQ(Grab(dlg.m_lamp).pixelColor(lampCentre), Qc(kGreen));

    dlg.commands.clear();
    QTest::mouseClick(lamp, Qt::LeftButton, {}, lampCentre);
    AfxPumpMessages(20);
    EXPECT_EQ(dlg.commands, std::vector<SwitchesDlg::Command>{off});
    EXPECT_EQ(Grab(dlg.m_lamp).pixelColor(lampCentre), Qc(kBlack));

    // The keyboard flips it the same way.
    dlg.commands.clear();
    lamp->setFocus();
    QTest::keyClick(lamp, Qt::Key_Space);
    AfxPumpMessages(20);
    EXPECT_EQ(dlg.commands, std::vector<SwitchesDlg::Command>{on});
}

TEST_F(IconButtonTest, CheckMessagesTurnItOnForCheckedAndIndeterminateOnly)
{
    const struct {
        WPARAM sent;
        int check;
    } cases[] = {{BST_CHECKED, 1}, {BST_UNCHECKED, 0}, {2, 1}, {3, 0}, {1, 1}, {0xFF, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(dlg.m_lamp.SendMessage(BM_SETCHECK, c.sent), 0);
        EXPECT_EQ(dlg.m_lamp.SendMessage(BM_GETCHECK), c.check) << "sent " << c.sent;
        EXPECT_EQ(dlg.m_lamp.GetCheck(), c.check);
    }
    EXPECT_TRUE(dlg.commands.empty());
}

TEST_F(IconButtonTest, LampShowsTheStateOrTheShadowWhenDisabled)
{
    // The ring inside the black outline has the off colour: a visible one here.
    const COLORREF offBlue = RGB(0, 0, 200);
    dlg.m_lamp.SetColors(kGreen, offBlue);
    const struct {
        int check;
        BOOL enabled;
        COLORREF fill;
    } cases[] = {
        {1, TRUE, kGreen},
        {0, TRUE, offBlue},
        {1, FALSE, GetSysColor(COLOR_BTNSHADOW)},
        {0, FALSE, GetSysColor(COLOR_BTNSHADOW)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "check " << c.check << " enabled " << c.enabled);
        dlg.m_lamp.SetCheck(c.check);
        dlg.m_lamp.EnableWindow(c.enabled);
        const QImage image = Grab(dlg.m_lamp);
        EXPECT_EQ(image.pixelColor(lampCentre), Qc(c.fill));
        EXPECT_EQ(image.pixelColor(lampOutline), Qc(kBlack));
        EXPECT_EQ(image.pixelColor(lampRing), Qc(offBlue));
        EXPECT_EQ(image.pixelColor(0, 0), Qc(GetSysColor(COLOR_BTNFACE)));
    }
}

TEST_F(IconButtonTest, HoverLightsTheFaceUntilTheMouseLeaves)
{
    QWidget* lamp = WidgetOf(&dlg.m_lamp);
    const QColor face = Qc(GetSysColor(COLOR_BTNFACE));
    const QColor lit = Qc(GetSysColor(COLOR_BTNHIGHLIGHT));
    ASSERT_NE(face, lit);
    EXPECT_EQ(Grab(dlg.m_lamp).pixelColor(1, 18), face);

    QTest::mouseMove(lamp, QPoint(5, 5));
    QImage image = Grab(dlg.m_lamp);
    EXPECT_EQ(image.pixelColor(1, 18), lit);
    EXPECT_EQ(image.pixelColor(9, 0), QColor(0, 0, 0)) << "the outline";
    EXPECT_NE(image.pixelColor(0, 0), QColor(0, 0, 0)) << "rounded corners";

    QTest::mouseMove(WidgetOf(&dlg.m_icons), QPoint(5, 5));
    EXPECT_EQ(Grab(dlg.m_lamp).pixelColor(1, 18), face);

    // Coming in with the left button held leaves it unlit.
    dlg.m_lamp.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Grab(dlg.m_lamp).pixelColor(1, 18), face);
}

TEST_F(IconButtonTest, TwoIconsReplaceTheLampAtTheTopAndOneIconDoesNot)
{
    // A 24 x 24 switch: the mark is the icon's width, at the top.
    dlg.m_icons.SetIcons(IDI_ON, IDI_OFF);
    dlg.m_icons.SetCheck(1);
    QImage image = Grab(dlg.m_icons);
    EXPECT_EQ(image.pixelColor(3 + 8, 1), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(3 + 8, 14), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(3 + 8, 17), QColor(255, 0, 0)) << "not centred down";
    dlg.m_icons.SetCheck(0);
    EXPECT_EQ(Grab(dlg.m_icons).pixelColor(3 + 8, 8), QColor(0, 0, 255));

    dlg.m_icons.EnableWindow(FALSE);
    const QColor greyed = Grab(dlg.m_icons).pixelColor(3 + 8, 8);
    EXPECT_GT(greyed.red(), 100) << "greyed, not the blue icon";
    EXPECT_LT(std::abs(greyed.red() - greyed.blue()), 20);
    dlg.m_icons.EnableWindow(TRUE);

    HICON only = LoadIconA(nullptr, MAKEINTRESOURCE(IDI_ON));
    dlg.m_icons.SetIconHandles(only, nullptr);
    dlg.m_icons.SetCheck(1);
    // The lamp keeps the icon's width as its size: x 3..18, y 3..18.
    EXPECT_EQ(Grab(dlg.m_icons).pixelColor(11, 11), Qc(kGreen)) << "lamp";
    dlg.m_icons.FreeIcons();
    DestroyIcon(only);
}

TEST_F(IconButtonTest, LeftTextPutsTheMarkOnTheRight)
{
    dlg.m_leftText.SetCheck(1);
    const QImage image = Grab(dlg.m_leftText);
    SaveScreenshot(WidgetOf(&dlg)->grab().toImage().scaled(480, 160), "icon-toggles");
    // The 100 x 24 switch: the lamp spans x 82..96, y 3..17; the caption
    // starts at the left of what is left (x 3).
    EXPECT_EQ(image.pixelColor(89, 10), Qc(kGreen));
    QRect caption;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 82; ++x)
            if (image.pixelColor(x, y) == Qc(GetSysColor(COLOR_BTNTEXT)))
                caption |= QRect(x, y, 1, 1);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_LT(caption.left(), 10);
}

}  // namespace
