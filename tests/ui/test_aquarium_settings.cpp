// The Aquarium settings dialog driven through its widgets: every control
// reaches the settings block within 100 ms and the file, how the section is
// read back, the volume, the colour chooser, the cursors.
#include "platform/dialog_color.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/widget_port.h"
#include "settings/settings.h"
#include "settings/shared_state.h"
#include "ui/aquarium_settings_dlg.h"
#include "ui/ui_resource.h"
#include "ui_fixture.h"

#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char kSection[] = "Aquarium Settings";

// A section as the dialog writes it: every key, the values given or "0".
std::string Section(std::initializer_list<std::pair<const char*, const char*>> values)
{
    std::string text = "[Aquarium Settings]\r\n";
    for (const SettingsField& field : g_AquariumFields) {
        std::string value = "0";
        for (const auto& [key, v] : values)
            if (std::string(key) == field.key)
                value = v;
        text += std::string(field.key) + "=" + value + "\r\n";
    }
    return text;
}

class AquariumTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_Settings = TANKSETTINGS{};
        g_fFrontPhaseSaved = g_fBackPhaseSaved = 0.0f;
    }
    void TearDown() override
    {
        SetColorDialogHook(nullptr);
        SetMessageBoxHook(nullptr);
        if (dlg.m_hWnd)
            dlg.DestroyWindow();
        UiTest::TearDown();
    }
    void Open()
    {
        ASSERT_TRUE(dlg.Create(CAquariumSettingsDlg::IDD));
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    // A click on control `id` as the player makes it.
    void ClickOn(int id) { QTest::mouseClick(WidgetOf(dlg.GetDlgItem(id)), Qt::LeftButton, {}, QPoint(4, 4)); }
    void KeyOn(int id, Qt::Key key)
    {
        QWidget* w = WidgetOf(dlg.GetDlgItem(id));
        w->setFocus();
        QTest::keyClick(w, key);
    }
    HBITMAP Picture(int id) { return static_cast<CStatic*>(dlg.GetDlgItem(id))->GetBitmap(); }

    CAquariumSettingsDlg dlg;
};

TEST_F(AquariumTest, EveryControlReachesTheTankWithinATenthOfASecond)
{
    WriteIni(Section({{"FRONT GUDING", "1"}, {"BACK GUDING", "1"}, {"YINLIANG", "30000"}, {"QIPAONUM", "50"},
                      {"FOGNONGDU", "10"}, {"LIGHTQIANGDU", "20"}}));
    SetColorDialogHook([](COLORREF& color) {
        color = RGB(10, 20, 30);
        return IDOK;
    });
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> reached;
    };
    const Case cases[] = {
        {"lock foreground", [&] { ClickOn(1044); }, [] { return g_Settings.g_bLockFront == 1; }},
        {"lock background", [&] { ClickOn(1045); }, [] { return g_Settings.g_bLockBack == 1; }},
        {"foreground auto",
         [&] { ClickOn(1049); },
         [] { return g_Settings.g_bFrontAutoGradient == 1 && g_Settings.g_bFrontFixed == 0; }},
        {"background gradient",
         [&] { ClickOn(1050); },
         [] { return g_Settings.g_bBackGradient == 1 && g_Settings.g_bBackFixed == 0 && !g_Settings.g_bBackAutoGradient; }},
        {"foreground colour", [&] { ClickOn(1015); }, [] { return g_Settings.g_crFrontColor == RGB(10, 20, 30); }},
        {"gradient colour", [&] { ClickOn(1020); }, [] { return g_Settings.g_crBackColor2 == RGB(10, 20, 30); }},
        {"volume", [&] { KeyOn(1010, Qt::Key_Down); }, [] { return g_Settings.g_nVolume == 30001; }},
        {"bubbles", [&] { KeyOn(1009, Qt::Key_End); }, [] { return g_Settings.g_nBubbleCount == 200; }},
        {"fog", [&] { KeyOn(1011, Qt::Key_Up); }, [] { return g_Settings.g_nFogDensity == 9; }},
        {"bubble speed", [&] { KeyOn(1030, Qt::Key_Home); }, [] { return g_Settings.g_nBubbleSpeed == 1; }},
    };
    Open();
    AfxPumpMessages(150);
    for (const Case& c : cases) {
        EXPECT_FALSE(c.reached()) << c.what << " before";
        c.act();
        AfxPumpMessages(130);
        EXPECT_TRUE(c.reached()) << c.what;
    }
    // The file holds what the tank shows.
    EXPECT_EQ(IniText(kSection, "CHECK LOCKFORE"), "1");
    EXPECT_EQ(IniText(kSection, "FRONT AUTOJIANBIAN"), "1");
    EXPECT_EQ(IniText(kSection, "FRONT GUDING"), "0");
    EXPECT_EQ(IniText(kSection, "FRONTCOLOR"), std::to_string(RGB(10, 20, 30)));
    EXPECT_EQ(IniText(kSection, "YINLIANG"), "30001");
    EXPECT_EQ(IniText(kSection, "QIPAONUM"), "200");
}

TEST_F(AquariumTest, TheSectionReadsAsTheGameReadsIt)
{
    WriteIni("[Aquarium Settings]\r\nShow Light=1\r\nCHECK LOCKFORE=2\r\nFRONT GUDING=-1\r\nBACK GUDING=1\r\n"
             "BACK AUTOJIANBIAN=1\r\nFRONTCOLOR=255\r\nLOCKFORE ROT=3.75\r\nLIGHTQIANGDU=0\r\nQIPAONUM=500\r\n");
    // What the tank holds for the keys the file lacks.
    g_Settings.g_bShowShadow = 1;
    g_Settings.g_nVolume = 4321;
    g_fBackPhaseSaved = 6.5f;
    Open();
    // Only exactly 1 sets a flag; a missing key shows the tank's value.
    EXPECT_EQ(dlg.m_bShowLight, 1);
    EXPECT_EQ(dlg.m_bLockFore, 0);
    EXPECT_EQ(dlg.m_bFrontFixed, 0);
    EXPECT_EQ(dlg.m_bShowWater, 1);
    EXPECT_EQ(dlg.m_nVolume, 4321);
    EXPECT_EQ(Picture(1044), static_cast<HBITMAP>(dlg.m_bmpUnchecked));
    EXPECT_EQ(Picture(1006), static_cast<HBITMAP>(dlg.m_bmpChecked));
    // Both radios of a group stay on as read.
    EXPECT_EQ(Picture(1048), static_cast<HBITMAP>(dlg.m_bmpRadioOn));
    EXPECT_EQ(Picture(1047), static_cast<HBITMAP>(dlg.m_bmpRadioOn));
    EXPECT_EQ(Picture(1046), static_cast<HBITMAP>(dlg.m_bmpRadioOff));
    EXPECT_EQ(dlg.m_swFrontColor.GetColor(), RGB(255, 0, 0));
    // A phase keeps its whole part, as at start; a missing one is the running phase.
    EXPECT_EQ(g_fFrontPhaseSaved, 3.0f);
    EXPECT_EQ(g_fBackPhaseSaved, 6.5f);
    // Values past a slider's end are held as the tank holds them: a bubble
    // speed divisor below 1 is the slowest speed.
    EXPECT_EQ(dlg.m_nBubbleSpeed, 100);
    EXPECT_EQ(dlg.m_sliderBubbleSpeed.GetPos(), 100);
    EXPECT_EQ(dlg.m_nBubbleCount, 200);
    EXPECT_EQ(dlg.m_sliderBubbleCount.GetPos(), 200);
    // One click on a group sets it right.
    ClickOn(1047);
    EXPECT_EQ(Picture(1048), static_cast<HBITMAP>(dlg.m_bmpRadioOff));
    EXPECT_EQ(dlg.m_bBackFixed, 0);
}

TEST_F(AquariumTest, OpeningAndClosingChangesOnlyThePhases)
{
    const std::string written = Section({{"Show Water", "1"}, {"BACKCOLOR", "16777215"}, {"YINLIANG", "1234"},
                                         {"LOCKFORE ROT", "1.000000"}, {"LOCKBACK ROT", "2.000000"},
                                         {"LIGHTQIANGDU", "1"}});
    WriteIni(written);
    CAquariumSettingsDlg modal;
    RunModal<CAquariumSettingsDlg>(modal, [&](CAquariumSettingsDlg& d) {
        g_fFrontPhaseSaved = 4.5f;
        g_fBackPhaseSaved = 0.25f;
        d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    std::string expected = written;
    expected.replace(expected.find("LOCKFORE ROT=1.000000"), 21, "LOCKFORE ROT=4.500000");
    expected.replace(expected.find("LOCKBACK ROT=2.000000"), 21, "LOCKBACK ROT=0.250000");
    EXPECT_EQ(IniBytes(), expected);
    // The tank gets 0 in both phase fields on every save.
    EXPECT_EQ(g_Settings.g_fFrontRot, 0.0f);
    EXPECT_EQ(g_Settings.g_nVolume, 1234);
}

TEST_F(AquariumTest, AHandWrittenSectionIsCompletedAndNormalised)
{
    WriteIni("[Aquarium Settings]\r\nYINLIANG= 0012\r\nFRONT MANJIANBIAN=1\r\nBACKCOLOR=-1\r\n");
    g_Settings.g_nBubbleSpeed = 7;  // the tank's, for the missing key
    Open();
    dlg.SaveSettings();
    EXPECT_EQ(IniText(kSection, "YINLIANG"), "12");
    EXPECT_EQ(IniText(kSection, "FRONT MANJIANBIAN"), "0");
    EXPECT_EQ(IniText(kSection, "BACKCOLOR"), "-1");
    EXPECT_EQ(IniText(kSection, "LIGHTQIANGDU"), "7");
    EXPECT_EQ(IniText(kSection, "LOCKBACK ROT"), "0.000000");
    for (const SettingsField& field : g_AquariumFields)
        EXPECT_NE(IniText(kSection, field.key), "<missing>") << field.key;
}

TEST_F(AquariumTest, TheVolumeSliderGoesFromFullToSilenceOnBothChannels)
{
    WriteIni(Section({{"YINLIANG", "100"}}));
    Open();
    KeyOn(1010, Qt::Key_Home);
    EXPECT_EQ(GetWaveOutVolume(), 0xFFFFFFFFu);
    KeyOn(1010, Qt::Key_End);
    EXPECT_EQ(GetWaveOutVolume(), 0u);
    KeyOn(1010, Qt::Key_Up);
    EXPECT_EQ(GetWaveOutVolume(), 0x00010001u);
}

TEST_F(AquariumTest, ACancelledColourChooserChangesNothing)
{
    WriteIni(Section({{"BACK COLOR1", "65280"}}));
    Open();
    int asked = 0;
    SetColorDialogHook([&](COLORREF& color) {
        ++asked;
        color = RGB(1, 2, 3);
        return IDCANCEL;
    });
    ClickOn(1019);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dlg.m_crBackColor1, RGB(0, 255, 0));
    EXPECT_EQ(dlg.m_swBackColor1.GetColor(), RGB(0, 255, 0));
    // A chosen colour shows on the swatch at once.
    SetColorDialogHook([](COLORREF& color) {
        color = RGB(200, 0, 200);
        return IDOK;
    });
    ClickOn(1019);
    AfxPumpMessages(20);
    const QImage swatch = WidgetOf(&dlg.m_swBackColor1)->grab().toImage();
    EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(200, 0, 200));
}

TEST_F(AquariumTest, BackdropStepsCountFromZeroWhateverWasRead)
{
    struct Case {
        const char* read;
        int command;
        int steps;
        int expected;
    };
    const Case cases[] = {{"2", 1036, 1, 1}, {"3", 1036, 1, 0}, {"0", 1036, 5, 3}, {"2", 1035, 1, 0}};
    for (const Case& c : cases) {
        WriteIni(Section({{"BACKGROUND", c.read}}));
        CAquariumSettingsDlg fresh;
        ASSERT_TRUE(fresh.Create(CAquariumSettingsDlg::IDD));
        for (int i = 0; i < c.steps; ++i)
            fresh.SendMessage(WM_COMMAND, static_cast<WPARAM>(c.command), 0);
        EXPECT_EQ(fresh.m_nBackground, c.expected) << c.read << " " << c.command;
    }
}

TEST_F(AquariumTest, TheHandShowsOverWhatReactsToClicks)
{
    Open();
    struct Case {
        QWidget* widget;
        bool hand;
    };
    QWidget* text = nullptr;
    for (HWND child : dlg.m_hWnd->children)
        if (child->text == "Lock the foreground colors")
            text = child->widget;
    ASSERT_NE(text, nullptr);
    const Case cases[] = {
        {WidgetOf(dlg.GetDlgItem(1010)), true},  {WidgetOf(dlg.GetDlgItem(1044)), true},
        {WidgetOf(dlg.GetDlgItem(1015)), true},  {WidgetOf(dlg.GetDlgItem(1039)), false},
        {dlg.m_hWnd->client, false},
    };
    for (const Case& c : cases) {
        QTest::mouseMove(c.widget, QPoint(3, 3));
        EXPECT_EQ(c.widget->cursor().shape(), c.hand ? Qt::BitmapCursor : Qt::ArrowCursor)
            << PortHwnd(c.widget)->id;
    }
    // A plain text lets the pointer through to the dialog, which shows the arrow.
    EXPECT_TRUE(text->testAttribute(Qt::WA_TransparentForMouseEvents));
}

// Without any folder for the settings file the dialog says so once, not on
// each of its ticks (each message box runs the ticks again).
TEST_F(AquariumTest, AMissingSettingsFolderIsReportedOnce)
{
    SetEnv("XDG_CONFIG_HOME", Blocked());
    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("TMPDIR", Blocked());
    const pid_t child = fork();
    if (child == 0) {
        int boxes = 0;
        SetMessageBoxHook([&](const char*, const char*, UINT) {
            ++boxes;
            AfxPumpMessages(300);  // the dialog's timer runs inside the box
            return IDOK;
        });
        CAquariumSettingsDlg modal;
        RunModal<CAquariumSettingsDlg>(modal, [](CAquariumSettingsDlg& d) {
            AfxPumpMessages(500);
            d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        _exit(boxes);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
