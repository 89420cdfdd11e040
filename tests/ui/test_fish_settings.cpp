// The Fish settings dialog driven through its widgets: the grid's selection
// by mouse (the drawn cells), keys and wheel, the edits and their limits, the
// 500 ms save to the settings file and the tank's counts, and its picture.
#include "platform/crt.h"
#include "settings/settings.h"
#include "ui/fish_grid_picture.h"
#include "ui/fish_settings_dlg.h"
#include "ui_fixture.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <string>

namespace {

// The section with the given counts, the rest 0.
std::string CountsSection(std::initializer_list<std::pair<int, int>> counts)
{
    std::string text = "[Fish Number]\r\n";
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        int n = 0;
        for (const auto& [species, count] : counts)
            if (species == k)
                n = count;
        text += "Fish" + std::to_string(k) + "=" + std::to_string(n) + "\r\n";
    }
    return text;
}

class FishSettingsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_Settings = TANKSETTINGS{};
        SetSpeciesPortraitSource(nullptr);
    }
    void TearDown() override
    {
        if (dlg.m_hWnd)
            dlg.DestroyWindow();
        UiTest::TearDown();
    }

    // Opens the dialog modeless, as a player sees it.
    void Open()
    {
        ASSERT_TRUE(dlg.Create(CFishSettingsDlg::IDD));
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    QWidget* Grid() { return dlg.m_hWnd->client; }
    void Click(QPoint p) { QTest::mouseClick(Grid(), Qt::LeftButton, {}, p); }
    void Key(Qt::Key key) { QTest::keyClick(KeyTarget(dlg), key); }
    // The second click of a double click on slot 23, as the system sends it:
    // the double click, then the release.
    void DoubleClick(Qt::MouseButton button)
    {
        QTest::mouseDClick(Grid(), button, {}, CellCentre(23));
        QTest::mouseRelease(Grid(), button, {}, CellCentre(23));
    }
    void Wheel(int delta)
    {
        const QPoint at(250, 200);
        QWheelEvent wheel(at, Grid()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Grid(), &wheel);
    }
    // The middle of slot i's cell.
    static QPoint CellCentre(int i) { return QPoint(2 + i % 5 * 100 + 50, 32 + i / 5 * 90 + 45); }

    CFishSettingsDlg dlg;
};

TEST_F(FishSettingsTest, ClicksSelectTheCellDrawnUnderThem)
{
    Open();
    struct Case {
        QPoint point;
        int selected;
    };
    const Case cases[] = {
        {{52, 77}, 0},     {{2, 32}, 0},      {{101, 121}, 0},   {{102, 122}, 6},   {{501, 481}, 24},
        {{50, 460}, 20},   // the bottom of row 4
        {{50, 31}, -1},    // above the cells
        {{1, 40}, -1},     // left of them
        {{502, 40}, -1},   // right of the fifth column: not the next row's first slot
        {{50, 482}, -1},   // below the last row
    };
    for (const Case& c : cases) {
        dlg.m_nSel = 12;
        Click(c.point);
        EXPECT_EQ(dlg.m_nSel, c.selected) << c.point.x() << "," << c.point.y();
    }
}

TEST_F(FishSettingsTest, ArrowsStepThroughTheSlotsAndAreAlwaysTaken)
{
    Open();
    QWidget* focused = KeyTarget(dlg);
    struct Case {
        int from;
        Qt::Key key;
        int to;
    };
    const Case cases[] = {
        {0, Qt::Key_Left, 0},   {24, Qt::Key_Right, 24}, {2, Qt::Key_Up, 2},     {22, Qt::Key_Down, 22},
        {5, Qt::Key_Left, 4},   {4, Qt::Key_Right, 5},   {7, Qt::Key_Down, 12},  {12, Qt::Key_Up, 7},
        {-1, Qt::Key_Right, -1}, {-1, Qt::Key_Down, -1},
    };
    for (const Case& c : cases) {
        dlg.m_nSel = c.from;
        Key(c.key);
        EXPECT_EQ(dlg.m_nSel, c.to) << c.from << " key " << c.key;
        EXPECT_EQ(KeyTarget(dlg), focused);  // the focus never moves
    }
}

TEST_F(FishSettingsTest, EveryWayOfAddingAndRemovingActsOnTheSelectedSlot)
{
    Open();
    Click(CellCentre(23));
    ASSERT_EQ(dlg.m_nSel, 23);
    struct Step {
        const char* what;
        std::function<void()> act;
        int count;
    };
    const Step steps[] = {
        {"A", [&] { Key(Qt::Key_A); }, 1},
        {"A again", [&] { Key(Qt::Key_A); }, 2},
        {"wheel forward", [&] { Wheel(120); }, 3},
        {"wheel back", [&] { Wheel(-120); }, 2},
        {"double click", [&] { DoubleClick(Qt::LeftButton); }, 3},
        {"right double click", [&] { DoubleClick(Qt::RightButton); }, 2},
        {"Add button", [&] { QTest::mouseClick(WidgetOf(&dlg.m_btnAdd), Qt::LeftButton); }, 3},
        {"Delete button", [&] { QTest::mouseClick(WidgetOf(&dlg.m_btnDelete), Qt::LeftButton); }, 2},
        {"D", [&] { Key(Qt::Key_D); }, 1},
        {"D again", [&] { Key(Qt::Key_D); }, 0},
        {"D at 0", [&] { Key(Qt::Key_D); }, 0},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(dlg.m_nCount[23], step.count) << step.what;
        EXPECT_EQ(dlg.m_nSel, 23) << step.what;
    }
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        if (k != 23) {
            EXPECT_EQ(dlg.m_nCount[k], 0) << k;
        }
    }
}

TEST_F(FishSettingsTest, AddStopsAtFiftyFishInAllAndCountsAboveShowAsTheTankHoldsThem)
{
    WriteIni(CountsSection({{0, 49}, {4, 75}}));
    Open();
    EXPECT_EQ(dlg.m_nCount[4], 50);  // the tank holds 50 of them
    Click(CellCentre(1));
    Key(Qt::Key_A);
    EXPECT_EQ(dlg.m_nCount[1], 0);  // 49 + 50 is above 50 already: refused

    WriteIni(CountsSection({{0, 49}}));
    dlg.LoadCounts();
    dlg.UpdateTotal();
    Click(CellCentre(1));
    Key(Qt::Key_A);
    Key(Qt::Key_A);
    EXPECT_EQ(dlg.m_nCount[1], 1);  // the 50th fish, and no 51st
    Click(CellCentre(7));
    Key(Qt::Key_A);
    EXPECT_EQ(dlg.m_nCount[7], 0);  // also not on an empty slot
    Click(CellCentre(0));
    Key(Qt::Key_D);
    EXPECT_EQ(dlg.m_nCount[0], 48);

    // A count above 50 goes back to the file as the tank holds it.
    WriteIni(CountsSection({{4, 75}}));
    dlg.LoadCounts();
    dlg.SaveCounts();
    EXPECT_EQ(IniText("Fish Number", "Fish4"), "50");
    EXPECT_EQ(g_Settings.g_nFishCount[4], 50);
}

TEST_F(FishSettingsTest, RandomGivesZeroOrOneAndClearEmptiesEverySlot)
{
    Open();
    dlg.m_nSel = 9;
    crt::srand(77);
    int expected[FISH_SPECIES_COUNT];
    for (int& n : expected)
        n = crt::rand() % 2;
    crt::srand(77);
    Key(Qt::Key_R);
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k)
        EXPECT_EQ(dlg.m_nCount[k], expected[k]) << k;
    EXPECT_EQ(dlg.m_nSel, -1);

    dlg.m_nSel = 3;
    QTest::mouseClick(WidgetOf(&dlg.m_btnClear), Qt::LeftButton);
    for (int n : dlg.m_nCount)
        EXPECT_EQ(n, 0);
    EXPECT_EQ(dlg.m_nSel, 3);  // Clear keeps the selection
}

TEST_F(FishSettingsTest, TheTankAndTheFileFollowEveryHalfSecond)
{
    WriteIni(CountsSection({{23, 1}}));
    g_Settings.g_nFishCount[23] = 1;
    CFishSettingsDlg modal;
    int seen = -1;
    std::string written;
    const int result = RunModal<CFishSettingsDlg>(modal, [&](CFishSettingsDlg& d) {
        QTest::mouseClick(d.m_hWnd->client, Qt::LeftButton, {}, CellCentre(23));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(KeyTarget(d), Qt::Key_A);
        AfxPumpMessages(650);  // one tick of the 500 ms timer at least
        seen = g_Settings.g_nFishCount[23];
        written = IniText("Fish Number", "Fish23");
        EXPECT_EQ(g_Settings.g_bFishCountChanged[23], 1);
        EXPECT_EQ(g_Settings.g_bFishCountChanged[22], 0);  // unchanged species are not rebuilt
        d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(seen, 4);
    EXPECT_EQ(written, "4");
    EXPECT_NE(result, -2);
}

// OK and the close box save at once; Cancel keeps only what the timer saved.
TEST_F(FishSettingsTest, CloseBoxAndOkSaveCancelMayLoseTheLastEdit)
{
    struct Case {
        const char* how;
        std::function<void(CFishSettingsDlg&)> close;
        const char* fish2;
    };
    const Case cases[] = {
        {"close box", [](CFishSettingsDlg& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }, "1"},
        {"OK", [](CFishSettingsDlg& d) { d.SendMessage(WM_COMMAND, IDOK, 0); }, "1"},
        {"Esc", [](CFishSettingsDlg& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Escape); }, "0"},
    };
    for (const Case& c : cases) {
        WriteIni(CountsSection({}));
        CFishSettingsDlg modal;
        RunModal<CFishSettingsDlg>(modal, [&](CFishSettingsDlg& d) {
            QTest::mouseClick(d.m_hWnd->client, Qt::LeftButton, {}, CellCentre(2));
            QTest::keyClick(KeyTarget(d), Qt::Key_A);
            c.close(d);
        });
        EXPECT_EQ(IniText("Fish Number", "Fish2"), c.fish2) << c.how;
    }
}

TEST_F(FishSettingsTest, TheGridShowsSpeciesCountsAndTheSelection)
{
    // Species 7 in the game as a green square; every other slot is not.
    SetSpeciesPortraitSource([](int species, int w, int h, std::vector<uint32_t>& argb) {
        if (species != 7)
            return false;
        argb.assign(static_cast<size_t>(w) * h, 0xFF00C000u);
        return true;
    });
    WriteIni(CountsSection({{7, 12}}));
    Open();
    auto grab = [&] {
        AfxPumpMessages(20);
        return Grid()->grab().toImage();
    };
    const QImage plain = grab();
    const QPoint seven = CellCentre(7);
    EXPECT_EQ(plain.pixelColor(seven + QPoint(30, 20)), QColor(0, 192, 0));
    // A slot whose species is not in the game shows no such picture.
    EXPECT_NE(plain.pixelColor(CellCentre(8) + QPoint(30, 20)), QColor(0, 192, 0));
    // The count, black, in the cell's corner (the cell starts at (202, 122)).
    const QRect countArea(204, 124, 20, 16);
    int dark = 0;
    for (int y = countArea.top(); y <= countArea.bottom(); ++y)
        for (int x = countArea.left(); x <= countArea.right(); ++x)
            dark += qGray(plain.pixel(x, y)) < 60;
    EXPECT_GT(dark, 10);

    Click(seven);
    const QImage selected = grab();
    const QColor before = plain.pixelColor(seven), after = selected.pixelColor(seven);
    EXPECT_EQ(after, QColor(255 - before.red(), 255 - before.green(), 255 - before.blue()));
    // Outside the selected cell nothing changes.
    EXPECT_EQ(selected.pixelColor(CellCentre(8)), plain.pixelColor(CellCentre(8)));
    SetSpeciesPortraitSource(nullptr);
}

TEST_F(FishSettingsTest, TheHandShowsOverTheButtonsOnly)
{
    Open();
    QTest::mouseMove(WidgetOf(&dlg.m_btnRandom), QPoint(10, 10));
    EXPECT_EQ(WidgetOf(&dlg.m_btnRandom)->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(Grid(), CellCentre(3));
    EXPECT_EQ(Grid()->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
