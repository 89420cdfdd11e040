// The small owner-drawn controls of the settings dialogs, read from their
// pixels and messages: the hyperlink, the colour swatch, the round slider
// (and the track bar under it).
#include "platform/msgbox.h"
#include "platform/widget_port.h"
#include "ui/controls/color_swatch.h"
#include "ui/controls/hyperlink.h"
#include "ui/controls/round_slider.h"
#include "ui_fixture.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <vector>

namespace {

constexpr UINT IDD_CONTROLS = 9701;
constexpr int IDC_LINK_LEFT = 1201;
constexpr int IDC_LINK_CENTRE = 1202;
constexpr int IDC_LINK_RIGHT = 1203;
constexpr int IDC_SWATCH = 1204;
constexpr int IDC_VERTICAL = 1205;
constexpr int IDC_HORIZONTAL = 1206;

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
const DialogTemplate kControls = {IDD_CONTROLS, "Controls", 200, 160, WS_POPUP | WS_CAPTION | DS_SETFONT,
                                  "MS Sans Serif", 8,
                                  {
                                      {IDC_LINK_LEFT, "Static", "", kShown | SS_LEFT, 10, 10, 120, 12},
                                      {IDC_LINK_CENTRE, "Static", "centre", kShown | SS_CENTER, 10, 26, 120, 12},
                                      {IDC_LINK_RIGHT, "Static", "right", kShown | SS_RIGHT, 10, 42, 120, 12},
                                      {IDC_SWATCH, "Button", "", kShown | WS_TABSTOP | BS_OWNERDRAW, 10, 60, 40, 12},
                                      {IDC_VERTICAL, "msctls_trackbar32", "", kShown | WS_TABSTOP | TBS_VERT, 150,
                                       10, 11, 140},
                                      {IDC_HORIZONTAL, "msctls_trackbar32", "", kShown | WS_TABSTOP, 10, 90, 120, 12},
                                  }};
const DialogTemplateRegistration kRegister(kControls);

// Catches the pages and files the desktop is asked to open: the desktop
// hands an address to its handler's "setSource" slot.
class Opener : public QTextBrowser {
public:
    Opener()
    {
        QDesktopServices::setUrlHandler("file", this, "setSource");
        QDesktopServices::setUrlHandler("https", this, "setSource");
    }
    ~Opener() override
    {
        QDesktopServices::unsetUrlHandler("file");
        QDesktopServices::unsetUrlHandler("https");
    }
    std::vector<QUrl> opened;

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType) override { opened.push_back(url); }
};

class ControlsDlg : public CDialog {
public:
    ControlsDlg() : CDialog(IDD_CONTROLS) { m_linkLeft.SetURL("https://example.org/parvolune"); }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_LINK_LEFT, m_linkLeft);
        DDX_Control(dx, IDC_LINK_CENTRE, m_linkCentre);
        DDX_Control(dx, IDC_LINK_RIGHT, m_linkRight);
        DDX_Control(dx, IDC_SWATCH, m_swatch);
        DDX_Control(dx, IDC_VERTICAL, m_vertical);
        DDX_Control(dx, IDC_HORIZONTAL, m_horizontal);
    }
    void OnVScroll(UINT code, UINT pos, CWnd* bar) override
    {
        scrolls.push_back({code, pos, bar});
        CDialog::OnVScroll(code, pos, bar);
    }
    struct Scroll {
        UINT code, pos;
        CWnd* bar;
    };
    std::vector<Scroll> scrolls;
    CHyperLink m_linkLeft, m_linkCentre, m_linkRight;
    CColorSwatch m_swatch;
    CRoundSlider m_vertical, m_horizontal;
};

class ControlsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_CONTROLS));
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        dlg.DestroyWindow();
        UiTest::TearDown();
    }
    QImage Grab(CWnd& control)
    {
        AfxPumpMessages(20);
        return WidgetOf(&control)->grab().toImage();
    }
    // The colour most of the link's text pixels have.
    QColor TextColour(CWnd& link)
    {
        const QImage image = Grab(link);
        std::map<QRgb, int> counts;
        const QRgb face = image.pixel(image.width() - 1, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != face)
                    ++counts[image.pixel(x, y)];
        QRgb best = face;
        int most = 0;
        for (const auto& [rgb, n] : counts)
            if (n > most) {
                most = n;
                best = rgb;
            }
        return QColor(best);
    }
    ControlsDlg dlg;
};

TEST_F(ControlsTest, ALinkFitsItsTextAndShowsTheAddressWhenItHasNoText)
{
    char text[128];
    dlg.m_linkLeft.GetWindowText(text, sizeof text);
    EXPECT_STREQ(text, "https://example.org/parvolune");
    EXPECT_EQ(WidgetOf(&dlg.m_linkLeft)->toolTip(), "https://example.org/parvolune");
    const QFontMetrics fm(WidgetOf(&dlg.m_linkLeft)->font());
    EXPECT_TRUE(WidgetOf(&dlg.m_linkLeft)->font().underline());
    struct Case {
        CHyperLink* link;
        const char* text;
        int left;  // where the 240-pixel static started: 20; it ended at 260
        int align;
    };
    const Case cases[] = {{&dlg.m_linkLeft, "https://example.org/parvolune", 20, SS_LEFT},
                          {&dlg.m_linkCentre, "centre", 20, SS_CENTER},
                          {&dlg.m_linkRight, "right", 20, SS_RIGHT}};
    for (const Case& c : cases) {
        const QRect g = WidgetOf(c.link)->geometry();
        const int width = fm.horizontalAdvance(c.text);
        // Centred, it loses half the difference on each side (rounded down).
        EXPECT_EQ(g.width(), c.align == SS_CENTER ? 240 - 2 * ((240 - width) / 2) : width) << c.text;
        EXPECT_EQ(g.height(), fm.height()) << c.text;
        const int expectedLeft = c.align == SS_LEFT ? 20 : c.align == SS_RIGHT ? 260 - width : 20 + (240 - width) / 2;
        EXPECT_NEAR(g.left(), expectedLeft, 1) << c.text;
    }
}

TEST_F(ControlsTest, ALinkLightsUpUnderThePointerAndIsVisitedOnceOpened)
{
    EXPECT_EQ(TextColour(dlg.m_linkRight), QColor(0, 0, 238));
    QTest::mouseMove(WidgetOf(&dlg.m_linkRight), QPoint(3, 3));
    EXPECT_EQ(TextColour(dlg.m_linkRight), QColor(10, 36, 106));  // the highlight colour
    EXPECT_EQ(WidgetOf(&dlg.m_linkRight)->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(dlg.m_hWnd->client, QPoint(300, 300));
    EXPECT_EQ(TextColour(dlg.m_linkRight), QColor(0, 0, 238));

    Opener opener;
    QTest::mouseClick(WidgetOf(&dlg.m_linkLeft), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], QUrl("https://example.org/parvolune"));
    EXPECT_TRUE(dlg.m_linkLeft.GetVisited());
    QTest::mouseMove(dlg.m_hWnd->client, QPoint(300, 300));
    EXPECT_EQ(TextColour(dlg.m_linkLeft), QColor(85, 26, 139));
}

TEST_F(ControlsTest, AFailedOpeningBeepsAndSaysWhy)
{
    std::vector<std::string> boxes;
    SetMessageBoxHook([&](const char* text, const char*, UINT) {
        boxes.push_back(text);
        return IDOK;
    });
    dlg.m_linkCentre.SetURL("nosuchscheme:nothing");
    QTest::mouseClick(WidgetOf(&dlg.m_linkCentre), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_FALSE(dlg.m_linkCentre.GetVisited());
    EXPECT_EQ(CHyperLink::ErrorText(31), "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(CHyperLink::ErrorText(4), "Unknown Error (4) occurred.");
}

TEST_F(ControlsTest, ASwatchIsItsColourInAWhiteFrameWhateverItsState)
{
    dlg.m_swatch.SetColor(RGB(20, 120, 220));
    const QImage plain = Grab(dlg.m_swatch);
    EXPECT_EQ(plain.pixelColor(40, 12), QColor(20, 120, 220));
    for (const QPoint edge : {QPoint(0, 0), QPoint(79, 23), QPoint(40, 0), QPoint(0, 12)})
        EXPECT_EQ(plain.pixelColor(edge), QColor(255, 255, 255));
    WidgetOf(&dlg.m_swatch)->setFocus();
    QTest::mousePress(WidgetOf(&dlg.m_swatch), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Grab(dlg.m_swatch), plain);
    QTest::mouseRelease(WidgetOf(&dlg.m_swatch), Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(ControlsTest, TheRoundSliderPaintsItsThumbChannelAndEnds)
{
    // 22 x 280: the white end disc at the top, the green one at the bottom.
    dlg.m_vertical.SetRange(0, 100);
    dlg.m_vertical.SetPos(50);
    const QImage image = Grab(dlg.m_vertical);
    EXPECT_EQ(image.pixelColor(4, 4), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(4, image.height() - 5), QColor(0, 128, 0));
    RECT thumb;
    dlg.m_vertical.GetThumbRect(&thumb);
    const QPoint centre((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
    EXPECT_EQ(image.pixelColor(centre), QColor(210, 210, 210));
    EXPECT_EQ(image.pixelColor(centre.x(), thumb.top), QColor(0, 128, 0));  // the outline
    RECT channel;
    dlg.m_vertical.GetChannelRect(&channel);
    EXPECT_EQ(image.pixelColor(channel.left + 1, 40), QColor(0, 128, 0));  // framed in green

    // Held, the thumb is a checkerboard of grey and green.
    QTest::mousePress(WidgetOf(&dlg.m_vertical), Qt::LeftButton, {}, centre);
    const QImage held = Grab(dlg.m_vertical);
    const QColor a = held.pixelColor(centre), b = held.pixelColor(centre + QPoint(1, 0));
    EXPECT_NE(a, b);
    EXPECT_TRUE((a == QColor(210, 210, 210) && b == QColor(0, 128, 0)) ||
                (b == QColor(210, 210, 210) && a == QColor(0, 128, 0)));
    QTest::mouseRelease(WidgetOf(&dlg.m_vertical), Qt::LeftButton, {}, centre);
    EXPECT_EQ(Grab(dlg.m_vertical).pixelColor(centre), QColor(210, 210, 210));

    // Horizontal: white on the left, green on the right.
    const QImage flat = Grab(dlg.m_horizontal);
    EXPECT_EQ(flat.pixelColor(4, 4), QColor(255, 255, 255));
    EXPECT_EQ(flat.pixelColor(flat.width() - 5, 4), QColor(0, 128, 0));
}

// The track bar: positions held to the range; moving the thumb by keys,
// mouse and wheel tells the parent what happened, as the system does.
TEST_F(ControlsTest, TheTrackBarTellsItsParentEveryMove)
{
    CSliderCtrl& bar = dlg.m_vertical;
    bar.SetRange(10, 60);
    bar.SetPos(5);
    EXPECT_EQ(bar.GetPos(), 10);
    bar.SetPos(99);
    EXPECT_EQ(bar.GetPos(), 60);
    bar.SetRange(10, 40);
    EXPECT_EQ(bar.GetPos(), 40);
    QWidget* w = WidgetOf(&bar);
    w->setFocus();
    struct Case {
        std::function<void()> act;
        int pos;
        std::vector<UINT> codes;
    };
    const Case cases[] = {
        {[&] { QTest::keyClick(w, Qt::Key_Up); }, 39, {TB_LINEUP, TB_ENDTRACK}},
        {[&] { QTest::keyClick(w, Qt::Key_Home); }, 10, {TB_TOP, TB_ENDTRACK}},
        {[&] { QTest::keyClick(w, Qt::Key_PageDown); }, 16, {TB_PAGEDOWN, TB_ENDTRACK}},
        {[&] { QTest::keyClick(w, Qt::Key_End); }, 40, {TB_BOTTOM, TB_ENDTRACK}},
        // A click below the thumb pages toward it.
        {[&] { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(9, 10)); }, 34, {TB_PAGEUP, TB_ENDTRACK}},
    };
    for (const Case& c : cases) {
        dlg.scrolls.clear();
        c.act();
        EXPECT_EQ(bar.GetPos(), c.pos);
        std::vector<UINT> codes;
        for (const auto& s : dlg.scrolls) {
            codes.push_back(s.code);
            EXPECT_EQ(s.bar, &bar);
        }
        EXPECT_EQ(codes, c.codes) << c.pos;
    }
    // Dragging the thumb to the bottom reports its way and where it ends.
    RECT thumb;
    bar.GetThumbRect(&thumb);
    const QPoint from((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
    dlg.scrolls.clear();
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from.x(), w->height() - 1), w->mapToGlobal(QPointF(from.x(), w->height() - 1)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(from.x(), w->height() - 1));
    EXPECT_EQ(bar.GetPos(), 40);
    ASSERT_GE(dlg.scrolls.size(), 3u);
    EXPECT_EQ(dlg.scrolls.front().code, TB_THUMBTRACK);
    EXPECT_EQ(dlg.scrolls[dlg.scrolls.size() - 2].code, TB_THUMBPOSITION);
    EXPECT_EQ(dlg.scrolls[dlg.scrolls.size() - 2].pos, 40u);
    EXPECT_EQ(dlg.scrolls.back().code, TB_ENDTRACK);
}

}  // namespace
