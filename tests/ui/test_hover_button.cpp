// The hover button's looks, read from its painted pixels: gradient, hover
// and focus frames, pressed, disabled and default states, icon placement,
// tooltip, double clicks.
#include "ui/controls/hover_button.h"
#include "ui_fixture.h"

#include <QFontMetrics>
#include <QTest>
#include <vector>

namespace {

constexpr UINT IDD_BUTTONS = 9501;
constexpr int IDC_LEFT = 1101;
constexpr int IDC_RIGHT = 1102;
constexpr UINT IDI_TEST_GREEN = 9502;

constexpr DWORD kOwnerDrawn = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
const DialogTemplate kButtons = {IDD_BUTTONS, "Buttons", 151, 55, WS_POPUP | WS_CAPTION | DS_SETFONT, "System", 6,
                                 {
                                     {IDC_LEFT, "Button", "&Restart", kOwnerDrawn, 7, 34, 43, 14},
                                     {IDC_RIGHT, "Button", "&Exit", kOwnerDrawn, 101, 34, 43, 14},
                                 }};
const DialogTemplateRegistration kRegister(kButtons);

class TestButton : public CHoverButton {
public:
    CToolTipCtrl& ToolTip() { return m_ToolTip; }
    HICON IconIn() const { return m_hIconIn; }
    HICON IconOut() const { return m_hIconOut; }
};

class ButtonsDlg : public CDialog {
public:
    ButtonsDlg() : CDialog(IDD_BUTTONS) {}
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_LEFT, m_left);
        DDX_Control(dx, IDC_RIGHT, m_right);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == BN_CLICKED)
            ++m_clicks[LOWORD(wParam)];
        return CDialog::OnCommand(wParam, lParam);
    }
    TestButton m_left;
    TestButton m_right;
    std::map<int, int> m_clicks;
};

QColor Qc(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

class HoverButtonTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_BUTTONS));
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        UiTest::TearDown();
    }

    QImage Grab(CWnd& button)
    {
        AfxPumpMessages(20);
        return WidgetOf(&button)->grab().toImage();
    }

    // The dark caption pixels' bounding box.
    static QRect CaptionBox(const QImage& image)
    {
        QRect box;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 4; x < image.width() - 4; ++x)
                if (qGray(image.pixel(x, y)) < 80)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    ButtonsDlg dlg;
    // An 86 x 28 button: the face is (2, 2)-(84, 26).
    const int faceBottom = 26;
};

TEST(HoverButtonFace, ColourStepsFollowTheHoverAndHighlightStates)
{
    struct Case {
        BOOL over, highlight;
        COLORREF last;
    };
    const Case cases[] = {{FALSE, FALSE, RGB(184, 184, 193)},
                          {FALSE, TRUE, RGB(184, 184, 190)},
                          {TRUE, FALSE, RGB(190, 190, 193)},
                          {TRUE, TRUE, RGB(190, 190, 184)}};
    for (const Case& c : cases) {
        EXPECT_EQ(CHoverButton::FaceColor(0, c.over, c.highlight), RGB(205, 205, 205));
        EXPECT_EQ(CHoverButton::FaceColor(63, c.over, c.highlight), c.last) << c.over << c.highlight;
    }
}

TEST_F(HoverButtonTest, PlainButtonHasTheGradientAndNoFrame)
{
    const QImage image = Grab(dlg.m_right);
    ASSERT_EQ(image.size(), QSize(86, 28));
    EXPECT_EQ(image.pixelColor(40, 2), QColor(205, 205, 205));
    EXPECT_EQ(image.pixelColor(40, faceBottom), QColor(184, 184, 193));
    EXPECT_EQ(image.pixelColor(40, 0), QColor(0, 0, 0));  // the outline
    EXPECT_EQ(image.pixelColor(2, 14), Qc(CHoverButton::FaceColor(63 * 12 / 24, FALSE, FALSE)));
}

TEST_F(HoverButtonTest, HoverShowsTheOrangeFrameUntilTheMouseLeaves)
{
    const QImage normal = Grab(dlg.m_right);
    QTest::mouseMove(WidgetOf(&dlg.m_right), QPoint(20, 10));
    const QImage hovered = Grab(dlg.m_right);
    EXPECT_NE(hovered, normal);
    EXPECT_EQ(hovered.pixelColor(2, 14), QColor(250, 196, 88));
    EXPECT_EQ(hovered.pixelColor(82, 14), QColor(251, 202, 106));
    EXPECT_EQ(hovered.pixelColor(40, 2), QColor(252, 210, 121));
    EXPECT_EQ(hovered.pixelColor(40, faceBottom), QColor(229, 151, 0));

    QTest::mouseMove(WidgetOf(&dlg.m_left), QPoint(20, 10));
    EXPECT_EQ(Grab(dlg.m_right), normal);
}

TEST_F(HoverButtonTest, FocusShowsTheBlueFrameAndHoverWinsOverIt)
{
    WidgetOf(&dlg.m_right)->setFocus();
    const QImage focused = Grab(dlg.m_right);
    ASSERT_TRUE(WidgetOf(&dlg.m_right)->hasFocus());
    EXPECT_EQ(focused.pixelColor(2, 14), QColor(153, 198, 252));
    EXPECT_EQ(focused.pixelColor(82, 14), QColor(162, 189, 252));
    QTest::mouseMove(WidgetOf(&dlg.m_right), QPoint(20, 10));
    EXPECT_EQ(Grab(dlg.m_right).pixelColor(2, 14), QColor(250, 196, 88));
}

TEST_F(HoverButtonTest, DefaultButtonGetsTheHighlightGradientWithoutFrame)
{
    dlg.SetDefID(IDC_RIGHT);
    const QImage image = Grab(dlg.m_right);
    EXPECT_EQ(image.pixelColor(40, faceBottom), QColor(184, 184, 190));
    EXPECT_EQ(image.pixelColor(2, 14), Qc(CHoverButton::FaceColor(63 * 12 / 24, FALSE, TRUE)));
}

TEST_F(HoverButtonTest, PressedCaptionMovesOnePixelRightAndDown)
{
    const QRect normal = CaptionBox(Grab(dlg.m_right));
    ASSERT_FALSE(normal.isEmpty());
    QTest::mousePress(WidgetOf(&dlg.m_right), Qt::LeftButton, {}, QPoint(20, 10));
    const QRect pressed = CaptionBox(Grab(dlg.m_right));
    QTest::mouseRelease(WidgetOf(&dlg.m_right), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(pressed.topLeft(), normal.topLeft() + QPoint(1, 1));
    // Without an icon the caption, measured with its ampersand, is centred on
    // the face (2..84); with one it moves 15 pixels right.
    const int measured = QFontMetrics(WidgetOf(&dlg.m_right)->font()).horizontalAdvance("&Exit");
    EXPECT_NEAR(normal.left(), 43 - measured / 2, 2);
    const std::vector<uint32_t> green(16 * 16, 0xFF00C000u);
    RegisterIconResource(IDI_TEST_GREEN, 16, 16, green.data());
    dlg.m_right.SetIcon(IDI_TEST_GREEN, 0, 16, 16);
    const QRect withIcon = CaptionBox(Grab(dlg.m_right));
    EXPECT_EQ(withIcon.left(), normal.left() + 15);
}

TEST_F(HoverButtonTest, DisabledCaptionIsEmbossedAndTheFaceStays)
{
    const QImage normal = Grab(dlg.m_right);
    dlg.m_right.EnableWindow(FALSE);
    const QImage disabled = Grab(dlg.m_right);
    EXPECT_TRUE(CaptionBox(disabled).isEmpty());  // no dark text left
    bool highlight = false, shadow = false;
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 86; ++x) {
            highlight |= disabled.pixelColor(x, y) == QColor(255, 255, 255);
            shadow |= disabled.pixelColor(x, y) == QColor(128, 128, 128);
        }
    EXPECT_TRUE(highlight);
    EXPECT_TRUE(shadow);
    EXPECT_EQ(disabled.pixelColor(40, faceBottom), normal.pixelColor(40, faceBottom));
    EXPECT_EQ(disabled.pixelColor(40, 0), QColor(0, 0, 0));
}

TEST_F(HoverButtonTest, IconSitsLeftWithACaptionAndCentredWithout)
{
    const std::vector<uint32_t> green(16 * 16, 0xFF00C000u);
    RegisterIconResource(IDI_TEST_GREEN, 16, 16, green.data());
    const QColor iconColour(0, 192, 0);
    auto leftmostIcon = [&](const QImage& image) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == iconColour)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    };
    dlg.m_right.SetIcon(IDI_TEST_GREEN, 0, 16, 16);
    EXPECT_EQ(dlg.m_right.IconOut(), dlg.m_right.IconIn());
    // Face (2, 2)-(84, 26): top = 2 + (26 - 16 - 2) / 2 + 2.
    EXPECT_EQ(leftmostIcon(Grab(dlg.m_right)), QPoint(2, 8));
    dlg.m_right.SetWindowText("");
    EXPECT_EQ(leftmostIcon(Grab(dlg.m_right)), QPoint(2 + (84 - 16 - 2) / 2, 8));
    WidgetOf(&dlg.m_right)->setFocus();
    EXPECT_EQ(leftmostIcon(Grab(dlg.m_right)), QPoint(2 + (84 - 16 - 2) / 2 + 1, 9));
}

TEST_F(HoverButtonTest, SecondTooltipTextReplacesTheFirst)
{
    dlg.m_right.SetTooltipText("Exit the game");
    dlg.m_right.SetTooltipText("Leave the tank");
    EXPECT_EQ(dlg.m_right.ToolTip().GetToolCount(), 1);
    EXPECT_EQ(WidgetOf(&dlg.m_right)->toolTip(), QString("Leave the tank"));
    dlg.m_right.SetTooltipText(nullptr);
    EXPECT_EQ(WidgetOf(&dlg.m_right)->toolTip(), QString("Leave the tank"));
}

TEST_F(HoverButtonTest, ButtonMadeByCodeBecomesOwnerDrawn)
{
    CHoverButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(4, 4, 90, 32), &dlg, 1200));
    EXPECT_EQ(button.GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(dlg.GetDlgItem(1200), &button);
    const QImage image = Grab(button);
    EXPECT_EQ(image.pixelColor(40, 2), QColor(205, 205, 205));
    EXPECT_EQ(image.pixelColor(40, 0), QColor(0, 0, 0));
}

TEST_F(HoverButtonTest, DoubleClickActsAsTwoClicks)
{
    // What the system sends: press, release, double click, release.
    QWidget* button = WidgetOf(&dlg.m_left);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    AfxPumpMessages(20);
    EXPECT_EQ(dlg.m_clicks[IDC_LEFT], 2);
}

}  // namespace
