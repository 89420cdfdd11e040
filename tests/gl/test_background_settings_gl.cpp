// The Background settings dialog of the running game, driven through its
// widgets with the file chooser answered by the test and the dialog's clock
// the test's own (a tick a call): pictures added, removed and cycled in each
// mode, the back wall showing the current one, the section written and read
// back, and files that are no picture refused with one message and nothing
// lost. Pictures load in the background: the test waits for them.
#include "settings/settings.h"
#include "gfx/load_report.h"
#include "gl/picture_files.h"
#include "gl/tank_window.h"
#include "platform/crt.h"
#include "platform/dialog_file.h"
#include "platform/native.h"
#include "platform/profile.h"
#include "settings/shared_state.h"
#include "support/processor_time.h"
#include "support/scratch_dir.h"
#include "support/wait_for.h"
#include "gfx/load_report.h"
#include "ui/background_settings_dlg.h"
#include "ui/tool_ids.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <string>
#include <vector>

namespace {

const QColor kRed(220, 30, 30), kGreen(30, 200, 40), kBlue(30, 40, 220);

QImage Solid(const QColor& c, int w = 64, int h = 48)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

// The [Custom Images] section.
std::string ImagesSection(const std::vector<std::string>& paths, const std::string& more = "",
                          const std::string& sum = "")
{
    std::string text = "[Custom Images]\r\n" + more;
    text += "ImageSum=" + (sum.empty() ? std::to_string(paths.size()) : sum) + "\r\n";
    for (size_t i = 0; i < paths.size(); ++i)
        text += "ImageList" + std::to_string(i) + "=" + paths[i] + "\r\n";
    return text;
}

class BackgroundTest : public TankWindowTest {
protected:
    void TearDown() override
    {
        other.reset();
        SetFileDialogHook(nullptr);
        TankWindowTest::TearDown();
        g_bOwnBackground = 0;
    }

    // The tank with these sections in its settings file; the dialog the game
    // made, shown by its command, on the test's clock.
    void Open(const std::string& sections = "")
    {
        // One fish: an empty tank is a game over.
        OpenTank({{23, 1}}, {}, "", sections);
        CollectBoxes();
        dlg = View().m_pBackgroundDlg;
        ASSERT_NE(dlg, nullptr);
        dlg->KillTimer(1);
        View().SendMessage(WM_COMMAND, ID_TOOL_BACKGROUND_SETTINGS, 0);
        AfxPumpMessages(30);
        ASSERT_TRUE(dlg->IsWindowVisible());
    }
    // Waits for every list to have loaded (the game's music on its own
    // clock too): what a list cannot use is told at the next tick then.
    static void AllListsLoaded() { ASSERT_TRUE(WaitFor([] { return !load_report::Gathering(); })); }
    void CollectBoxes()
    {
        SetMessageBoxHook([this](const char* text, const char*, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
    }
    // Another dialog reading the settings file as it is now.
    CBackgroundSettingsDlg& Reload()
    {
        other = std::make_unique<CBackgroundSettingsDlg>(nullptr);
        EXPECT_TRUE(other->Create(CBackgroundSettingsDlg::IDD));
        other->KillTimer(1);
        return *other;
    }
    std::string IniPath() const { return m_root + "/config/parvolune/Quenmarl.ini"; }
    void RewriteSection(const std::string& section)
    {
        WriteCountsFile(m_root + "/config", {}, {});
        std::ofstream(IniPath(), std::ios::binary | std::ios::app) << section;
    }
    std::string IniText(const char* key) const
    {
        char text[4096] = {};
        GetPrivateProfileStringA("Custom Images", key, "<missing>", text, sizeof text, IniPath().c_str());
        return text;
    }

    std::string Picture(const std::string& name, const QColor& c)
    {
        const QImage image = Solid(c);
        if (name.ends_with(".bmp"))
            return dir.Write(name, Bmp24(image));
        return dir.Write(name, Written(image, name.ends_with(".png") ? "png" : "jpeg"));
    }
    std::vector<std::string> RedGreenBlue()
    {
        return {Picture("red.png", kRed), Picture("green.jpg", kGreen), Picture("blue.bmp", kBlue)};
    }

    // A click, and the commands the switches post after it.
    void Click(CWnd& control)
    {
        QTest::mouseClick(WidgetOf(control), Qt::LeftButton, {}, QPoint(4, 4));
        AfxPumpMessages(10);
    }
    static QWidget* WidgetOf(CWnd& wnd) { return wnd.m_hWnd ? wnd.m_hWnd->widget : nullptr; }
    void Add(const std::string& path)
    {
        SetFileDialogHook([path](std::string& p) {
            p = path;
            return IDOK;
        });
        Click(dlg->m_btnAddImage);
    }
    void ClickRow(int row)
    {
        auto* view = qobject_cast<QAbstractItemView*>(WidgetOf(dlg->m_listImages));
        const QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    void SetInterval(const char* text)
    {
        QWidget* edit = WidgetOf(*dlg->GetDlgItem(1019));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            dlg->OnTimer(1);
    }
    // Waits for the pictures of the dialog to load (a limit only a hang
    // reaches) and lets the dialog take them, as its clock does.
    static void Loaded(CBackgroundSettingsDlg& d)
    {
        d.Slides().LoadAll(60000);
        ASSERT_FALSE(d.Slides().Loading());
        d.TakeLoadedPictures();
        // The report waits for the tank's playlist too, looked at in the background.
        for (int i = 0; i < 1200 && load_report::Gathering(); ++i)
            AfxPumpMessages(100);
        ASSERT_FALSE(load_report::Gathering());
    }
    void AddLoaded(const std::string& path)
    {
        Add(path);
        Loaded(*dlg);
    }
    CSlideshow::Handle HandleOf(int row) { return dlg->Slides().At(row).handle; }
    GLuint TextureOf(int row) { return dlg->Slides().At(row).texture; }
    // The row whose picture is shown (-1: none), checked against the State column.
    int Shown()
    {
        int row = -1;
        for (int i = 0; i < dlg->m_listImages.GetItemCount(); ++i)
            if (HandleOf(i) == dlg->Slides().Current())
                row = i;
        for (int i = 0; i < dlg->m_listImages.GetItemCount(); ++i) {
            const bool failed = dlg->Slides().At(i).state == CSlideshow::State::Failed;
            EXPECT_EQ(dlg->m_listImages.GetItemText(i, 1), failed ? "Failed" : i == row ? "ON" : "OFF") << "row " << i;
        }
        return row;
    }
    // How many of a few points of the back wall, clear of the cannon and the
    // bubbles, show a picture of colour `picture` (its strongest channel the
    // strongest there by far); a fish may cover one of them.
    int WallPointsLike(const QColor& picture)
    {
        const QImage frame = DrawFrames(3);
        const int p[3] = {picture.red(), picture.green(), picture.blue()};
        const int top = int(std::max_element(p, p + 3) - p);
        int like = 0;
        for (const QPointF at : {QPointF(0.3, 0.15), QPointF(0.7, 0.15), QPointF(0.5, 0.35), QPointF(0.85, 0.6),
                                 QPointF(0.35, 0.6)}) {
            const QColor c = frame.pixelColor(int(at.x() * frame.width()), int(at.y() * frame.height()));
            const int s[3] = {c.red(), c.green(), c.blue()};
            bool ok = true;
            for (int i = 0; i < 3; ++i)
                ok = ok && (i == top || s[top] >= s[i] + 80);
            like += ok;
        }
        return like;
    }

    ScratchDir dir;
    CBackgroundSettingsDlg* dlg = nullptr;
    std::unique_ptr<CBackgroundSettingsDlg> other;
    std::vector<std::string> boxes;
};

TEST_F(BackgroundTest, PicturesCycleOnTheClockInEachMode)
{
    struct Case {
        const char* mode;
        CIconButton CBackgroundSettingsDlg::*button;
        std::function<std::vector<int>()> expected;
    };
    const Case cases[] = {
        {"repeat one", &CBackgroundSettingsDlg::m_chkRepeat, [] { return std::vector<int>{0, 0, 0, 0}; }},
        // No picture shown yet: repeat all starts at row 1.
        {"repeat all", &CBackgroundSettingsDlg::m_chkCycle, [] { return std::vector<int>{1, 2, 0, 1}; }},
        {"random", &CBackgroundSettingsDlg::m_chkRandom,
         [] {
             std::vector<int> rows;
             for (int i = 0; i < 4; ++i)
                 rows.push_back(crt::rand() % 3);
             return rows;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Open();
        for (const std::string& path : RedGreenBlue())
            AddLoaded(path);
        ASSERT_EQ(dlg->m_listImages.GetItemCount(), 3);
        EXPECT_NE(HandleOf(0), HandleOf(1));
        EXPECT_NE(TextureOf(0), TextureOf(1));
        EXPECT_NE(TextureOf(2), 0u);
        Click((*dlg).*c.button);
        EXPECT_EQ(((*dlg).*c.button).GetCheck(), 1);
        SetInterval("1");
        Click(dlg->m_chkOwn);
        EXPECT_EQ(dlg->m_bRunning, 1);
        crt::srand(7);
        const std::vector<int> expected = c.expected();
        crt::srand(7);
        // The first tick after the switch shows a picture; then one every
        // 5 ticks (1 s), none in between.
        std::vector<int> shown;
        for (int change = 0; change < 4; ++change) {
            Tick();
            shown.push_back(Shown());
            for (int i = 0; i < 4; ++i) {
                Tick();
                EXPECT_EQ(Shown(), shown.back()) << "tick " << i << " after change " << change;
            }
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(g_bOwnBackground, 1);
        CloseTank();
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BackgroundTest, ClicksRemovalsAndTheIntervalActAtOnceAndRemovedTexturesAreFreed)
{
    Open();
    for (const std::string& path : RedGreenBlue())
        AddLoaded(path);
    Click(dlg->m_chkCycle);
    Click(dlg->m_chkOwn);
    Tick();
    ASSERT_EQ(Shown(), 1);
    ClickRow(2);
    EXPECT_EQ(Shown(), 2);  // at once
    Tick(4);
    EXPECT_EQ(Shown(), 2);  // the interval (5 s) counts on from the last change

    SetInterval("0");
    Tick();
    EXPECT_EQ(Shown(), 0);  // every tick
    Tick();
    EXPECT_EQ(Shown(), 1);
    // Intervals whose milliseconds do not fit an int: a long wait, never a
    // change on every tick or after a wrapped-around second.
    for (const char* interval : {"2147484", "4294967297", "99999999999999999999"}) {
        SetInterval(interval);
        Tick(30);
        EXPECT_EQ(Shown(), 1) << interval;
    }
    SetInterval("0");
    Tick();
    EXPECT_EQ(Shown(), 2);

    // Removing the selected row while cycling shows row 0; the texture goes.
    const GLuint removed = TextureOf(2);
    const CSlideshow::Handle moved = HandleOf(1);
    ClickRow(2);
    Click(dlg->m_btnRemoveImage);
    EXPECT_EQ(dlg->m_listImages.GetItemCount(), 2);
    EXPECT_EQ(dlg->Slides().Count(), 2);
    EXPECT_FALSE(glIsTexture(removed));
    EXPECT_EQ(HandleOf(1), moved);
    EXPECT_EQ(Shown(), 0);

    const GLuint left[2] = {TextureOf(0), TextureOf(1)};
    Click(dlg->m_btnRemoveAll);
    EXPECT_EQ(dlg->m_listImages.GetItemCount(), 0);
    EXPECT_EQ(dlg->Slides().Count(), 0);
    EXPECT_EQ(dlg->Slides().Current(), 0u);
    for (const GLuint texture : left)
        EXPECT_FALSE(glIsTexture(texture));
    // Own pictures on and none left: nothing is shown, and the frame draws.
    Tick(3);
    EXPECT_EQ(dlg->Slides().Current(), 0u);
    DrawFrames(1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// With cycling stopped nothing is picked: a click or a removal keeps the
// picture shown (never a texture name of -1), a removed one is not kept.
TEST_F(BackgroundTest, NothingPickedWhileStoppedKeepsThePictureShown)
{
    Open();
    for (const std::string& path : RedGreenBlue())
        AddLoaded(path);
    ClickRow(1);
    EXPECT_EQ(dlg->Slides().Current(), 0u);
    Click(dlg->m_chkOwn);
    Tick();  // repeat one: row 0
    const CSlideshow::Handle first = dlg->Slides().Current();
    const GLuint firstTexture = TextureOf(0);
    ASSERT_EQ(first, HandleOf(0));
    Click(dlg->m_chkOwn);
    EXPECT_EQ(dlg->m_bRunning, 0);
    ClickRow(2);
    EXPECT_EQ(dlg->Slides().Current(), first);
    ClickRow(0);
    Click(dlg->m_btnRemoveImage);
    EXPECT_EQ(dlg->Slides().Current(), 0u) << "the removed picture is not kept";
    EXPECT_FALSE(glIsTexture(firstTexture));
}

TEST_F(BackgroundTest, TheBackWallShowsTheCurrentPicture)
{
    const std::string red = Picture("red.jpg", kRed), blue = Picture("blue.png", kBlue);
    Open(ImagesSection({red, blue}, "CycImage=1\r\nOwnImage=1\r\nImageTime=1\r\n"));
    Loaded(*dlg);
    Tick();
    EXPECT_EQ(g_bOwnBackground, 1);
    ASSERT_EQ(dlg->Slides().Current(), HandleOf(1));
    EXPECT_EQ(View().m_Slideshow.ShownTexture(), TextureOf(1)) << "the game window draws the dialog's pictures";
    EXPECT_GE(WallPointsLike(kBlue), 4);
    if (const char* out = std::getenv("PV_SCREENSHOT_DIR"))
        DrawFrames(2).save(QString::fromStdString(std::string(out) + "/back_wall_own_picture.png"));
    Tick(5);
    EXPECT_GE(WallPointsLike(kRed), 4);
    // The own pictures off: the built-in wall again.
    Click(dlg->m_chkOwn);
    Tick();
    EXPECT_EQ(g_bOwnBackground, 0);
    EXPECT_LE(WallPointsLike(kRed), 1);
    EXPECT_LE(WallPointsLike(kBlue), 1);
}

TEST_F(BackgroundTest, TheSectionIsWrittenAndReadBackWithLongPathsWhole)
{
    const std::string folder(150, 'b');
    std::filesystem::create_directories(dir.File(folder));
    const std::string longPath = Picture(folder + "/reef.png", kGreen);
    Open();
    AddLoaded(Picture("red.png", kRed));
    AddLoaded(longPath);
    Click(dlg->m_chkRandom);
    SetInterval("12");
    Click(dlg->m_chkOwn);
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(dlg->IsWindowVisible());
    EXPECT_EQ(IniText("RandomImage"), "1");
    EXPECT_EQ(IniText("CycImage"), "0");
    EXPECT_EQ(IniText("RepeatImage"), "0");
    EXPECT_EQ(IniText("OwnImage"), "1");
    EXPECT_EQ(IniText("ImageTime"), "12");
    EXPECT_EQ(IniText("ImageSum"), "2");
    EXPECT_EQ(IniText("ImageList1"), longPath);

    CBackgroundSettingsDlg& again = Reload();
    ASSERT_EQ(again.m_listImages.GetItemCount(), 2);
    EXPECT_EQ(again.m_listImages.GetItemText(1, 0), longPath);
    EXPECT_EQ(again.m_nMode, 2);
    EXPECT_EQ(again.m_chkRandom.GetCheck(), 1);
    EXPECT_EQ(again.m_chkRepeat.GetCheck(), 0);
    EXPECT_EQ(again.m_chkOwn.GetCheck(), 1);
    EXPECT_EQ(again.m_bRunning, 1);
    char interval[16] = {};
    again.GetDlgItem(1019)->GetWindowText(interval, sizeof interval);
    EXPECT_STREQ(interval, "12");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BackgroundTest, StoredSwitchesComeBackAsOneModeAndAnInterval)
{
    Open();
    const struct {
        const char* lines;
        int mode;
        const char* interval;
    } cases[] = {
        {"RandomImage=1\r\nRepeatImage=1\r\n", 2, "5"},
        {"CycImage=1\r\nRepeatImage=1\r\nImageTime=12\r\n", 1, "12"},
        {"", 0, "5"},
        {"RandomImage=2\r\nImageTime=\r\n", 0, "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        RewriteSection(ImagesSection({}, c.lines));
        CBackgroundSettingsDlg& loaded = Reload();
        EXPECT_EQ(loaded.m_nMode, c.mode);
        EXPECT_EQ(loaded.m_chkRepeat.GetCheck() + loaded.m_chkCycle.GetCheck() + loaded.m_chkRandom.GetCheck(), 1);
        char interval[16] = {};
        loaded.GetDlgItem(1019)->GetWindowText(interval, sizeof interval);
        EXPECT_STREQ(interval, c.interval);
    }
}

// A truncated JPEG, a BMP whose header lies, a text file named .png, a
// missing file, a FIFO, a link to a device and a folder, added by the
// player: one message each naming the file, no row, the pictures there go on
// cycling and the file keeps its list.
TEST_F(BackgroundTest, BadFilesAreRefusedWithOneMessageAndNothingLost)
{
    Open();
    AddLoaded(Picture("red.png", kRed));
    AddLoaded(Picture("blue.png", kBlue));
    Click(dlg->m_chkCycle);
    Click(dlg->m_chkOwn);
    Tick();
    const std::string jpeg = Written(Solid(kGreen, 200, 160), "jpeg");
    std::string lyingBmp = Bmp24(Solid(kGreen));
    lyingBmp[22] = '\x7F';  // far more rows than the file holds
    lyingBmp[23] = '\x7F';
    ASSERT_EQ(mkfifo(dir.File("fifo.jpg").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.png"));
    std::filesystem::create_directories(dir.File("folder.bmp"));
    const std::string bad[] = {dir.Write("cut.jpg", jpeg.substr(0, jpeg.size() / 2)), dir.Write("lies.bmp", lyingBmp),
                               dir.Write("notes.png", "a shopping list\n"), dir.File("gone.jpg"),
                               dir.File("fifo.jpg"), dir.File("zero.png"), dir.File("folder.bmp")};
    for (const std::string& path : bad) {
        SCOPED_TRACE(path);
        boxes.clear();
        AddLoaded(path);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind("(" + path + ")image loading error.", 0), 0u) << boxes[0];
        EXPECT_EQ(dlg->m_listImages.GetItemCount(), 2);
        EXPECT_EQ(dlg->Slides().Count(), 2);
        EXPECT_EQ(dlg->m_bRunning, 1);
    }
    Tick(25);
    EXPECT_EQ(Shown(), 0);  // cycling went on: row 1, then row 0 five seconds later
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IniText("ImageSum"), "2");
    EXPECT_EQ(IniText("ImageList2"), "<missing>");
}

// Stored pictures that cannot be loaded now (a drive not mounted, a damaged
// file, a FIFO, a device) keep their rows, marked, through a save; they are
// told in one message with the others, and cycling passes over them.
TEST_F(BackgroundTest, StoredPicturesThatCannotLoadNowKeepTheirRowsThroughASave)
{
    Open();
    ASSERT_EQ(mkfifo(dir.File("fifo.jpg").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/urandom", dir.File("random.bmp"));
    const std::string unplugged = dir.File("unplugged drive/reef.jpg");
    const std::string spaced = Picture("ends in a space.png ", kGreen);
    const std::vector<std::string> stored = {Picture("a.png", kRed), unplugged, dir.File("fifo.jpg"),
                                             Picture("b.png", kBlue), dir.File("random.bmp"), spaced,
                                             dir.Write("cut.png", Written(Solid(kRed), "png").substr(0, 40))};
    // The name that ends in a space is stored in quotes, as the game writes it.
    std::vector<std::string> lines = stored;
    lines[5] = "\"" + spaced + "\"";
    RewriteSection(ImagesSection(lines, "CycImage=1\r\nOwnImage=1\r\nImageTime=0\r\n"));
    boxes.clear();
    CBackgroundSettingsDlg& again = Reload();
    Loaded(again);
    AllListsLoaded();
    ASSERT_EQ(again.m_listImages.GetItemCount(), 7);
    const std::vector<int> failed = {1, 2, 4, 6};
    for (int row = 0; row < 7; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(again.m_listImages.GetItemText(row, 0), stored[row]);
        const bool fails = std::count(failed.begin(), failed.end(), row) > 0;
        EXPECT_EQ(again.Slides().At(row).state, fails ? CSlideshow::State::Failed : CSlideshow::State::Ready);
        EXPECT_EQ(again.m_listImages.GetItemText(row, 1), fails ? "Failed" : "OFF");
    }
    again.OnTimer(1);
    ASSERT_EQ(boxes.size(), 1u) << "one message for all";
    for (const int row : failed)
        EXPECT_NE(boxes[0].find(stored[row]), std::string::npos) << boxes[0];
    EXPECT_EQ(boxes[0].find(stored[0] + "\n"), std::string::npos) << "the good ones are not named";
    // Cycling on every tick shows only the pictures that loaded.
    std::vector<int> shown;
    for (int i = 0; i < 5; ++i) {
        again.OnTimer(1);
        shown.push_back(again.Slides().RowOf(again.Slides().Current()));
    }
    EXPECT_EQ(shown, (std::vector<int>{5, 0, 3, 5, 0}));
    // Saved as they were, byte for byte, and told no more.
    again.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IniText("ImageSum"), "7");
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(IniText(("ImageList" + std::to_string(row)).c_str()), stored[row]);
    EXPECT_EQ(boxes.size(), 1u);
}

// At most ten pictures, told once; a stored count far beyond the entries
// neither hangs nor floods messages.
TEST_F(BackgroundTest, TheListHoldsTenAndTheStoredCountIsBounded)
{
    Open();
    std::vector<std::string> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back(Picture("p" + std::to_string(i) + ".png", i % 2 ? kRed : kBlue));
    RewriteSection(ImagesSection(twelve));
    CBackgroundSettingsDlg& loaded = Reload();
    EXPECT_EQ(loaded.m_listImages.GetItemCount(), 10);
    Loaded(loaded);
    AllListsLoaded();
    loaded.OnTimer(1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "The maximum number of background is: 10\n");

    for (int i = 0; i < 10; ++i)
        Add(twelve[i]);
    boxes.clear();
    Add(twelve[10]);
    EXPECT_EQ(dlg->m_listImages.GetItemCount(), 10);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "The maximum number of background is: 10");

    boxes.clear();
    for (const char* sum : {"2147483647", "99999999999999999999", "-3"}) {
        SCOPED_TRACE(sum);
        RewriteSection(ImagesSection({twelve[0], twelve[1]}, "", sum));
        const double start = ProcessorSeconds();
        CBackgroundSettingsDlg& again = Reload();
        const int rows = again.m_listImages.GetItemCount();
        EXPECT_LT(ProcessorSeconds() - start, 3.0);
        Loaded(again);
        again.OnTimer(1);
        EXPECT_EQ(rows, sum[0] == '-' ? 0 : 2);
    }
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
