// The About boxes: the application's (icon, text, OK) and the skinned one,
// whose caption pieces are checked with solid test pictures in their place.
#include "platform/widget_port.h"
#include "ui/about_dlg.h"
#include "ui/skin_about_dlg.h"
#include "ui/skin_art.h"
#include "ui/ui_resource.h"
#include "ui_fixture.h"

#include <QTest>
#include <map>
#include <vector>

namespace {

using AboutTest = UiTest;

TEST_F(AboutTest, ApplicationAboutBoxShowsTheFishIconAndItsOkButton)
{
    CAboutDlg dlg;
    ASSERT_TRUE(dlg.Create(CAboutDlg::IDD));
    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(QSize(client.right, client.bottom), QSize(470, 110));
    char caption[32];
    dlg.GetWindowText(caption, sizeof caption);
    EXPECT_STREQ(caption, "About  Parvolune");
    EXPECT_EQ(dlg.GetDefID(), static_cast<UINT>(IDOK));

    dlg.ShowWindow(SW_SHOW);
    AfxPumpMessages(30);
    const QImage image = dlg.m_hWnd->client->grab().toImage();
    int orange = 0;
    for (int y = 34; y < 74; ++y)
        for (int x = 22; x < 62; ++x) {
            const QColor c = image.pixelColor(x, y);
            orange += c.red() > 200 && c.green() > 80 && c.green() < 200 && c.blue() < 100;
        }
    EXPECT_GT(orange, 60);
    dlg.DestroyWindow();

    struct Case {
        int key;
        int expected;
    };
    for (const Case c : {Case{Qt::Key_Return, IDOK}, Case{Qt::Key_Escape, IDCANCEL}}) {
        CAboutDlg modal;
        auto press = [&](CAboutDlg& d) { QTest::keyClick(KeyTarget(d), static_cast<Qt::Key>(c.key)); };
        EXPECT_EQ(RunModal<CAboutDlg>(modal, press), c.expected);
    }
}

// Puts solid pictures in place of the skin's while it lives.
class SolidSkin {
public:
    SolidSkin()
    {
        RegisterUiPictures();
        for (const auto& [id, colour] : kColours) {
            CBitmap bitmap;
            bitmap.LoadBitmap(id);
            BITMAP bm;
            bitmap.GetObject(sizeof bm, &bm);
            CDC dc;
            dc.CreateCompatibleDC(nullptr);
            CBitmap* old = dc.SelectObject(&bitmap);
            Saved& saved = m_saved[id];
            saved.width = bm.bmWidth;
            saved.height = bm.bmHeight;
            for (int y = 0; y < bm.bmHeight; ++y)
                for (int x = 0; x < bm.bmWidth; ++x)
                    saved.pixels.push_back(Argb(dc.GetPixel(x, y)));
            dc.SelectObject(old);
            const std::vector<uint32_t> solid(saved.pixels.size(), Argb(colour));
            RegisterBitmapResource(id, bm.bmWidth, bm.bmHeight, solid.data());
        }
    }
    ~SolidSkin()
    {
        for (const auto& [id, saved] : m_saved)
            RegisterBitmapResource(id, saved.width, saved.height, saved.pixels.data());
    }

    static inline const std::map<UINT, QColor> kColours = {{IDB_SKIN_LEFT, QColor(255, 0, 0)},
                                                           {IDB_SKIN_MIDDLE, QColor(0, 255, 0)},
                                                           {IDB_SKIN_RIGHT, QColor(0, 0, 255)},
                                                           {IDB_SKIN_BUTTONS, QColor(255, 255, 0)},
                                                           {IDB_SKIN_EDGE, QColor(255, 0, 255)}};

private:
    struct Saved {
        int width = 0, height = 0;
        std::vector<uint32_t> pixels;
    };
    static uint32_t Argb(COLORREF c) { return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
    static uint32_t Argb(const QColor& c) { return c.rgb(); }
    std::map<UINT, Saved> m_saved;
};

// The colours of row y of the whole window, as runs "colour:from-to".
std::string Runs(const QImage& image, int y)
{
    std::string runs;
    int start = 0;
    for (int x = 1; x <= image.width(); ++x) {
        if (x < image.width() && image.pixel(x, y) == image.pixel(start, y))
            continue;
        const QColor c = image.pixelColor(start, y);
        std::string name = "other";
        for (const auto& [id, colour] : SolidSkin::kColours)
            if (colour == c)
                name = std::to_string(id);
        runs += name + ":" + std::to_string(start) + "-" + std::to_string(x - 1) + " ";
        start = x;
    }
    return runs;
}

QImage WholeWindow(CDialog& dlg)
{
    dlg.ShowWindow(SW_SHOW);
    AfxPumpMessages(40);
    return WidgetOf(&dlg)->grab().toImage();
}

TEST_F(AboutTest, SkinnedCaptionTilesTheTitleBarAndTheEdges)
{
    SolidSkin skin;
    CSkinAboutDlg dlg;
    ASSERT_TRUE(dlg.Create(CSkinAboutDlg::IDD));
    const QImage image = WholeWindow(dlg);
    // The client area is 410 x 218; the window adds 4-pixel edges and a 26-pixel top.
    ASSERT_EQ(image.size(), QSize(418, 248));
    // Left end from x 0, middle pieces while x <= W - 130, right end after them.
    EXPECT_EQ(Runs(image, 2), "143:0-54 144:55-288 147:289-417 ");
    // Caption buttons at (W - 70, 4), 60 x 21.
    EXPECT_EQ(image.pixelColor(348, 4), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(407, 24), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(408, 24), QColor(0, 0, 255));
    // The edges, the left one down to the window's bottom.
    for (const QPoint p : {QPoint(1, 100), QPoint(1, 247), QPoint(416, 100), QPoint(100, 245), QPoint(100, 247)})
        EXPECT_EQ(image.pixelColor(p), QColor(255, 0, 255)) << p.x() << "," << p.y();
    // The caption text in blue from (60, 10).
    int blue = 0;
    for (int y = 10; y < 26; ++y)
        for (int x = 60; x < 160; ++x)
            blue += image.pixelColor(x, y) == QColor(0, 0, 210);
    EXPECT_GT(blue, 40);
    dlg.DestroyWindow();
}

constexpr UINT IDD_NARROW = 9601;
const DialogTemplate kNarrow = {IDD_NARROW, "Narrow", 60, 40, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
                                "System", 10, {}};
const DialogTemplateRegistration kRegisterNarrow(kNarrow);

TEST_F(AboutTest, NarrowWindowGetsNoMiddlePiece)
{
    SolidSkin skin;
    CSkinDialog dlg(IDD_NARROW, nullptr, "", CPoint(60, 10));
    ASSERT_TRUE(dlg.Create(IDD_NARROW));
    const QImage image = WholeWindow(dlg);
    ASSERT_EQ(image.width(), 128);
    // W - 130 < 55: the right end follows the left end at once.
    EXPECT_EQ(Runs(image, 2), "143:0-54 147:55-127 ");
    dlg.DestroyWindow();
}

TEST_F(AboutTest, OnlyTheFiveFrameMessagesRepaintTheCaption)
{
    CSkinAboutDlg dlg;
    ASSERT_TRUE(dlg.Create(CSkinAboutDlg::IDD));
    WholeWindow(dlg);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    WidgetOf(&dlg)->installEventFilter(&counter);
    struct Case {
        UINT message;
        bool repaints;
    };
    const Case cases[] = {{WM_SIZE, false},     {WM_TIMER, false},  {WM_MOVE, true},
                          {WM_NCACTIVATE, true}, {WM_NOTIFY, true}, {WM_PAINT, true}};
    AfxPumpMessages(20);  // what showing it asked for
    for (const Case& c : cases) {
        counter.paints = 0;
        dlg.SendMessage(c.message, 0, 0);
        AfxPumpMessages(20);
        EXPECT_EQ(counter.paints > 0, c.repaints) << c.message;
    }
    WidgetOf(&dlg)->removeEventFilter(&counter);
    dlg.DestroyWindow();
}

TEST_F(AboutTest, SkinnedAboutClosesFromItsCloseBoxEscOrEnter)
{
    struct Case {
        const char* name;
        std::function<void(CSkinAboutDlg&)> action;
        int expected;
    };
    const Case cases[] = {
        {"close box",
         [](CSkinAboutDlg& d) {
             QTest::mouseClick(WidgetOf(&d), Qt::LeftButton, {}, OwnFrameCloseBox(WidgetOf(&d)->width()).center());
         },
         IDCANCEL},
        {"Esc", [](CSkinAboutDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Escape); }, IDCANCEL},
        {"Enter", [](CSkinAboutDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Return); }, IDOK},
    };
    for (const Case& c : cases) {
        CSkinAboutDlg dlg;
        EXPECT_EQ(RunModal<CSkinAboutDlg>(dlg, c.action), c.expected) << c.name;
    }
}

TEST_F(AboutTest, SkinnedDialogMovesWhenItsCaptionIsDragged)
{
    CSkinAboutDlg dlg;
    ASSERT_TRUE(dlg.Create(CSkinAboutDlg::IDD));
    WholeWindow(dlg);
    QWidget* frame = WidgetOf(&dlg);
    const QPoint before = frame->pos();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(150, 10));
    QTest::mouseMove(frame, QPoint(180, 30));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(180, 30));
    EXPECT_EQ(frame->pos(), before + QPoint(30, 20));
    dlg.DestroyWindow();
}

}  // namespace
