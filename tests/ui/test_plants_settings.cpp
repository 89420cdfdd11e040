// The Plants settings dialog driven through its widgets: what differs from
// the Fish grid (17 slots, a kind on or off, no total), every kind reaching
// the tank and the file within 500 ms, kinds the game does not draw yet kept
// and marked, and command 1053 opening it.
#include "platform/crt.h"
#include "platform/dialog_window.h"
#include "scenery/plant_kinds.h"
#include "settings/settings.h"
#include "ui/dialog_commands.h"
#include "ui/plants_grid_picture.h"
#include "ui/plants_settings_dlg.h"
#include "ui/tool_ids.h"
#include "ui_fixture.h"

#include <QTest>
#include <string>

namespace {

std::string PlantsSection(const int counts[PLANT_KIND_COUNT])
{
    std::string text = "[Plants Number]\r\n";
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        text += "Plants" + std::to_string(k) + "=" + std::to_string(counts[k]) + "\r\n";
    return text;
}

// The middle of kind k's cell.
QPoint CellCentre(int k) { return QPoint(2 + k % 5 * 100 + 50, 32 + k / 5 * 90 + 45); }

class PlantsSettingsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_Settings = TANKSETTINGS{};
    }
    void TearDown() override
    {
        if (dlg.m_hWnd)
            dlg.DestroyWindow();
        UiTest::TearDown();
    }
    void Open()
    {
        ASSERT_TRUE(dlg.Create(CPlantsSettingsDlg::IDD));
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    QWidget* Grid() { return dlg.m_hWnd->client; }
    void Click(int k) { QTest::mouseClick(Grid(), Qt::LeftButton, {}, CellCentre(k)); }
    void Key(Qt::Key key) { QTest::keyClick(KeyTarget(dlg), key); }

    CPlantsSettingsDlg dlg;
};

TEST_F(PlantsSettingsTest, AddPutsAKindInOnceAndDeleteTakesItOut)
{
    int counts[PLANT_KIND_COUNT] = {};
    counts[4] = 1;
    counts[9] = 3;  // more than the dialog would give, from the file
    WriteIni(PlantsSection(counts));
    Open();
    EXPECT_EQ(dlg.m_nCount[9], 1) << "as the tank holds it: there";
    struct Step {
        int kind;
        Qt::Key key;
        int count;
    };
    const Step steps[] = {
        {2, Qt::Key_A, 1}, {2, Qt::Key_A, 1},  // never above 1
        {4, Qt::Key_A, 1},                     // already there
        {9, Qt::Key_A, 1},                     // already there
        {9, Qt::Key_D, 0}, {9, Qt::Key_D, 0},
        {16, Qt::Key_A, 1},
    };
    for (const Step& s : steps) {
        Click(s.kind);
        ASSERT_EQ(dlg.m_nSel, s.kind);
        Key(s.key);
        EXPECT_EQ(dlg.m_nCount[s.kind], s.count) << "kind " << s.kind;
    }
    // No total to respect: every kind may be in.
    for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
        Click(k);
        Key(Qt::Key_A);
    }
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_GE(dlg.m_nCount[k], 1) << k;
    EXPECT_EQ(dlg.m_nTotal, 0);
}

TEST_F(PlantsSettingsTest, OnlyTheSeventeenCellsSelectAndTheArrowsStopAtThem)
{
    Open();
    // Row 3 right of kind 16 and all of row 4 hold no kind.
    for (const QPoint p : {CellCentre(17), CellCentre(19), CellCentre(20), CellCentre(24)}) {
        dlg.m_nSel = 3;
        QTest::mouseClick(Grid(), Qt::LeftButton, {}, p);
        EXPECT_EQ(dlg.m_nSel, -1) << p.x() << "," << p.y();
    }
    struct Case {
        int from;
        Qt::Key key;
        int to;
    };
    const Case cases[] = {
        {11, Qt::Key_Down, 16}, {12, Qt::Key_Down, 12}, {16, Qt::Key_Right, 16}, {15, Qt::Key_Right, 16},
        {16, Qt::Key_Up, 11},   {0, Qt::Key_Left, 0},   {5, Qt::Key_Left, 4},
    };
    for (const Case& c : cases) {
        dlg.m_nSel = c.from;
        Key(c.key);
        EXPECT_EQ(dlg.m_nSel, c.to) << c.from << " key " << c.key;
    }
}

TEST_F(PlantsSettingsTest, RandomGivesEachKindZeroOrOne)
{
    Open();
    dlg.m_nSel = 6;
    crt::srand(5);
    int expected[PLANT_KIND_COUNT];
    for (int& n : expected)
        n = crt::rand() % 2;
    crt::srand(5);
    Key(Qt::Key_R);
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(dlg.m_nCount[k], expected[k]) << k;
    EXPECT_EQ(dlg.m_nSel, -1);
    Key(Qt::Key_C);
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        EXPECT_EQ(dlg.m_nCount[k], 0) << k;
}

// Every kind switched on or off in the open dialog is in the tank's table,
// flagged as changed, and in the file half a second later.
TEST_F(PlantsSettingsTest, TheTankFollowsEveryKindWithinHalfASecond)
{
    int start[PLANT_KIND_COUNT];
    for (int k = 0; k < PLANT_KIND_COUNT; ++k)
        start[k] = g_Settings.g_nPlantCount[k] = k % 2;
    WriteIni(PlantsSection(start));
    CPlantsSettingsDlg modal;
    std::string problems;
    RunModal<CPlantsSettingsDlg>(modal, [&](CPlantsSettingsDlg& d) {
        for (int round = 0; round < 2; ++round) {
            for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
                QTest::mouseClick(d.m_hWnd->client, Qt::LeftButton, {}, CellCentre(k));
                QTest::keyClick(KeyTarget(d), d.m_nCount[k] ? Qt::Key_D : Qt::Key_A);
            }
            std::fill(std::begin(g_Settings.g_bPlantCountChanged), std::end(g_Settings.g_bPlantCountChanged), 0);
            AfxPumpMessages(650);  // one tick of the 500 ms timer at least
            for (int k = 0; k < PLANT_KIND_COUNT; ++k) {
                const int wanted = (k + 1 + round) % 2;
                if (g_Settings.g_nPlantCount[k] != wanted || g_Settings.g_bPlantCountChanged[k] != 1 ||
                    IniText("Plants Number", ("Plants" + std::to_string(k)).c_str()) != std::to_string(wanted))
                    problems += " round " + std::to_string(round) + " kind " + std::to_string(k);
            }
        }
        d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(problems, "");
}

// Kinds whose plant is not drawn yet keep what the file says and show as
// not in the game; a kind the table draws shows as water.
TEST_F(PlantsSettingsTest, KindsTheGameDoesNotDrawAreKeptAndMarked)
{
    // Kind 5 drawn by a class of the tests' own.
    ASSERT_TRUE(RegisterPlantKind({.kind = 5, .draw = [](SceneryContext&) {}}));
    EXPECT_TRUE(PlantKindDraws(5));
    EXPECT_FALSE(PlantKindDraws(6));

    int counts[PLANT_KIND_COUNT] = {};
    counts[6] = 1;
    WriteIni(PlantsSection(counts));
    Open();
    dlg.SaveCounts();
    EXPECT_EQ(IniText("Plants Number", "Plants6"), "1");
    EXPECT_EQ(g_Settings.g_nPlantCount[6], 1);

    AfxPumpMessages(20);
    const QImage grid = Grid()->grab().toImage();
    const QColor drawn = grid.pixelColor(CellCentre(5) + QPoint(0, 20));
    const QColor missing = grid.pixelColor(CellCentre(6) + QPoint(30, -20));
    EXPECT_GT(drawn.blue(), drawn.red() + 40) << "water";
    EXPECT_EQ(missing.red(), missing.green());
    EXPECT_EQ(missing.green(), missing.blue());
    // The "not in the game yet" text, light on the grey cell.
    int light = 0;
    for (int y = 32 + 90 + 58; y < 32 + 90 + 88; ++y)
        for (int x = 102 + 10; x < 102 + 90; ++x)
            light += qGray(grid.pixel(x, y)) > 170;
    EXPECT_GT(light, 30);
}

TEST_F(PlantsSettingsTest, CommandOpensTheDialogModally)
{
    std::string opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (HWND top = ActiveModalDialog()) {
            opened = top->text;
            top->wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    });
    closer.start(50);
    EXPECT_TRUE(RunDialogCommand(ID_TOOL_PLANTS_SETTINGS));
    EXPECT_EQ(opened, "3D Parvolune - Plants Settings");
}

}  // namespace
