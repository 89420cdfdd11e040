// The Music settings dialog driven through its widgets with short WAV tracks
// on the dummy audio driver: the order of the tracks in each mode, the next
// track when the player says a track has ended, the volume from the profile,
// the section written and read back, and files that cannot play told once
// and skipped with the playlist kept. The dialog's clock is the test's own
// (its timer stopped, a tick a call) unless a test needs it running.
#include "platform/crt.h"
#include "platform/dialog_file.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "settings/shared_state.h"
#include "support/processor_time.h"
#include "support/scratch_dir.h"
#include "support/wait_for.h"
#include "support/wav_file.h"
#include "ui/controls/playlist_ctrl.h"
#include "ui/music_settings_dlg.h"
#include "ui_fixture.h"

#include <QAbstractItemView>
#include <QTest>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kTrackMs = 250;

struct Section {
    const char* random = nullptr;
    const char* cycle = nullptr;
    const char* repeat = nullptr;
    const char* own = nullptr;
    std::vector<std::string> tracks;
    const char* sum = nullptr;  // the stored count, when not the track count
};

std::string MusicSection(const Section& s)
{
    std::string text = "[Custom Settings]\r\n";
    const auto line = [&text](const char* key, const char* value) {
        if (value)
            text += std::string(key) + "=" + value + "\r\n";
    };
    line("RandomMusic", s.random);
    line("CycMusic", s.cycle);
    line("RepeatMusic", s.repeat);
    line("OwnMusic", s.own);
    const std::string sum = std::to_string(s.tracks.size());
    line("MusicSum", s.sum ? s.sum : sum.c_str());
    for (size_t i = 0; i < s.tracks.size(); ++i)
        line(("MusicList" + std::to_string(i)).c_str(), s.tracks[i].c_str());
    return text;
}

class MusicSettingsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_bOwnMusic = 1;
        g_nCurMusicItem = -1;
        SetMessageBoxHook([this](const char* text, const char*, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
        baseline = GetMciWindowCount();
    }
    void TearDown() override
    {
        dlg.reset();
        EXPECT_EQ(GetMciWindowCount(), baseline) << "the dialog's player windows go with it";
        SetMessageBoxHook(nullptr);
        SetFileDialogHook(nullptr);
        ShutdownSound();
        UiTest::TearDown();
    }

    std::string Track(const std::string& name, int ms = kTrackMs) { return dir.Write(name, SineWav(ms)); }
    std::vector<std::string> Tracks(int n, int ms = kTrackMs)
    {
        std::vector<std::string> paths;
        for (int i = 0; i < n; ++i)
            paths.push_back(Track("track" + std::to_string(i) + ".wav", ms));
        return paths;
    }

    // Opens the dialog as the game does (hidden), then shows it; with
    // `ownClock` its timer is stopped and Tick() is its clock.
    void Open(bool ownClock = true)
    {
        dlg = std::make_unique<CMusicSettingsDlg>(nullptr);
        ASSERT_TRUE(dlg->Create(CMusicSettingsDlg::IDD));
        if (ownClock)
            dlg->KillTimer(1);
        dlg->ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    void Tick() { dlg->OnTimer(1); }
    // Lets the playlist look at all its files (a limit only a hang reaches),
    // the dialog taking the findings as its clock does.
    void Checked()
    {
        ASSERT_TRUE(WaitFor(
            [&] {
                dlg->TakeCheckedTracks();
                return !dlg->Playlist().Checking();
            },
            60000));
    }
    void Click(CWnd& control) { QTest::mouseClick(WidgetOf(&control), Qt::LeftButton, {}, QPoint(5, 5)); }
    void ClickRow(int row)
    {
        auto* view = qobject_cast<QAbstractItemView*>(WidgetOf(&dlg->m_listMusic));
        ASSERT_NE(view, nullptr);
        const QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The open track plays to its end; then one tick of the dialog.
    void PlayToTheEnd()
    {
        ASSERT_TRUE(WaitFor([&] { return dlg->m_player.GetMode() != MCI_MODE_PLAY; }));
        Tick();
    }
    BOOL Enabled(int id) { return dlg->GetDlgItem(static_cast<UINT>(id))->IsWindowEnabled(); }

    CWinApp app{"Parvolune"};
    ScratchDir dir;
    std::unique_ptr<CMusicSettingsDlg> dlg;
    std::vector<std::string> boxes;
    int baseline = 0;
};

TEST_F(MusicSettingsTest, TracksFollowInTheOrderOfEachMode)
{
    const std::vector<std::string> tracks = Tracks(3);
    struct Case {
        const char* mode;
        CStatic CMusicSettingsDlg::*picture;
        std::function<std::vector<int>()> expected;
    };
    const Case cases[] = {
        {"repeat one", &CMusicSettingsDlg::m_picRepeatOne, [] { return std::vector<int>{0, 0, 0, 0, 0}; }},
        {"repeat all", &CMusicSettingsDlg::m_picRepeatAll, [] { return std::vector<int>{0, 1, 2, 0, 1}; }},
        {"random", &CMusicSettingsDlg::m_picRandom,
         [] {
             // Nothing selected: a random first track, then one at random after each.
             std::vector<int> rows;
             for (int i = 0; i < 5; ++i)
                 rows.push_back(crt::rand() % 3);
             return rows;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        WriteIni(MusicSection({.tracks = tracks}));
        Open();
        Click((*dlg).*c.picture);
        crt::srand(31);
        const std::vector<int> expected = c.expected();
        crt::srand(31);
        Click(dlg->m_btnPlay);
        std::vector<int> rows{dlg->m_nCurItem};
        for (int i = 0; i < 4; ++i) {
            PlayToTheEnd();
            rows.push_back(dlg->m_nCurItem);
            EXPECT_EQ(g_nCurMusicItem, dlg->m_nCurItem);
            EXPECT_EQ(dlg->m_player.GetMode(), MCI_MODE_PLAY);
        }
        EXPECT_EQ(rows, expected);
        dlg.reset();
    }
    EXPECT_TRUE(boxes.empty());
}

// A WAV whose header claims more than it holds: its length is what it holds,
// and the player's own end of the track moves on.
TEST_F(MusicSettingsTest, TheNextTrackComesWhenThePlayerSaysTheTrackEnded)
{
    const std::string shortOne = dir.Write("short.wav", SineWav(kTrackMs, 5000));
    WriteIni(MusicSection({.cycle = "1", .tracks = {shortOne, Track("next.wav")}}));
    Open();
    Click(dlg->m_btnPlay);
    ASSERT_EQ(dlg->m_nCurItem, 0);
    EXPECT_LE(dlg->m_player.GetLength(), kTrackMs + 20) << "not the 5 s its header claims";
    ASSERT_TRUE(WaitFor([&] { return dlg->m_player.GetMode() != MCI_MODE_PLAY; }));
    Tick();
    EXPECT_EQ(dlg->m_nCurItem, 1);
    EXPECT_EQ(dlg->m_player.GetMode(), MCI_MODE_PLAY);
}

TEST_F(MusicSettingsTest, PlayStartsTheSelectedRowAndStopClearsItAll)
{
    WriteIni(MusicSection({.tracks = Tracks(3)}));
    Open();
    ClickRow(1);
    Click(dlg->m_btnPlay);
    EXPECT_EQ(dlg->m_nCurItem, 1);
    EXPECT_EQ(dlg->m_player.GetMode(), MCI_MODE_PLAY);
    // While playing: Add, Remove, Remove All and Play are off; Stop stays.
    for (const int id : {1017, 1018, 1019, 1021})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(1022));
    EXPECT_EQ(dlg->m_bOwnMusic, 1);  // playing turns the own-music switch on

    Click(dlg->m_btnStop);
    EXPECT_NE(dlg->m_player.GetMode(), MCI_MODE_PLAY);
    EXPECT_EQ(dlg->m_nCurItem, -1);
    EXPECT_EQ(g_nCurMusicItem, -1);
    EXPECT_EQ(dlg->GetFirstSelected(), -1);
    for (const int id : {1017, 1018, 1019, 1021})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(dlg->m_bOwnMusic, 1);  // the built-in music stays silent

    // Removing the selected track while stopped opens row 0 without playing it.
    ClickRow(2);
    Click(dlg->m_btnRemove);
    EXPECT_EQ(dlg->m_listMusic.GetItemCount(), 2);
    EXPECT_EQ(dlg->m_nCurItem, 0);
    EXPECT_EQ(dlg->m_player.m_strFile, dlg->m_listMusic.GetItemText(0, 0));
    EXPECT_NE(dlg->m_player.GetMode(), MCI_MODE_PLAY);
}

TEST_F(MusicSettingsTest, TheOwnMusicSwitchReachesTheGameOnTheNextTick)
{
    Open();
    Tick();
    EXPECT_EQ(g_bOwnMusic, 0);  // nothing stored: off
    Click(dlg->m_picOwnMusic);
    EXPECT_EQ(dlg->m_bOwnMusic, 1);
    EXPECT_EQ(g_bOwnMusic, 0);
    Tick();
    EXPECT_EQ(g_bOwnMusic, 1);
    Click(dlg->m_picOwnMusic);
    Tick();
    EXPECT_EQ(g_bOwnMusic, 0);
}

TEST_F(MusicSettingsTest, TheVolumeStartsFromTheProfileAndFollowsTheSlider)
{
    ASSERT_TRUE(CProfileSettings().SetVolume(400));
    WriteIni(MusicSection({.tracks = Tracks(1)}));
    Open();
    EXPECT_EQ(dlg->m_nVolume, 400);
    EXPECT_EQ(dlg->m_sldVolume.GetPos(), 400);
    Click(dlg->m_btnPlay);
    EXPECT_EQ(MCIWndGetVolume(dlg->m_player.m_hMciWnd), 400);
    QTest::keyClick(WidgetOf(&dlg->m_sldVolume), Qt::Key_End);
    EXPECT_EQ(dlg->m_sldVolume.GetPos(), 1000);
    EXPECT_EQ(MCIWndGetVolume(dlg->m_player.m_hMciWnd), 1000);
    EXPECT_EQ(dlg->m_nVolume, 1000);
    // The slider is for this run only.
    EXPECT_EQ(CProfileSettings().GetVolume(), 400);
}

TEST_F(MusicSettingsTest, TheSectionIsWrittenAndReadBackWithLongPathsWhole)
{
    const std::string folder(150, 'm');
    std::filesystem::create_directories(dir.File(folder));
    const std::string longPath = Track(folder + "/deep sea.wav");
    ASSERT_GT(longPath.size(), 128u);
    const std::string other = Track("reef.wav");
    std::vector<std::string> chosen = {other, longPath};
    Open();
    for (const std::string& path : chosen) {
        SetFileDialogHook([&path](std::string& p) {
            p = path;
            return IDOK;
        });
        Click(dlg->m_btnAdd);
    }
    Click(dlg->m_picRepeatAll);
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(dlg->IsWindowVisible());
    EXPECT_EQ(IniText("Custom Settings", "RandomMusic"), "0");
    EXPECT_EQ(IniText("Custom Settings", "CycMusic"), "1");
    EXPECT_EQ(IniText("Custom Settings", "RepeatMusic"), "0");
    EXPECT_EQ(IniText("Custom Settings", "OwnMusic"), "0");
    EXPECT_EQ(IniText("Custom Settings", "MusicSum"), "2");
    const std::string saved = IniBytes();
    EXPECT_NE(saved.find("MusicList1=" + longPath + "\r\n"), std::string::npos);
    dlg.reset();

    Open();
    ASSERT_EQ(dlg->m_listMusic.GetItemCount(), 2);
    EXPECT_EQ(dlg->m_listMusic.GetItemText(0, 0), other);
    EXPECT_EQ(dlg->m_listMusic.GetItemText(1, 0), longPath);
    EXPECT_EQ(dlg->m_nMode, 1);
    EXPECT_EQ(dlg->m_bRepeatAll, 1);
    EXPECT_NE(dlg->m_player.GetMode(), MCI_MODE_PLAY);  // own music off: silent
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MusicSettingsTest, StoredModesAndTheOwnSwitchComeBackAsThePlayerLeftThem)
{
    // Long enough to be playing still when looked at.
    const std::vector<std::string> tracks = Tracks(2, 5000);
    struct Case {
        Section section;
        int mode;
        BYTE repeatOne, repeatAll, random;
        bool playing;
    };
    const Case cases[] = {
        {{.random = "1", .repeat = "1", .tracks = tracks}, 2, 0, 0, 1, false},
        {{.cycle = "1", .repeat = "0", .tracks = tracks}, 1, 0, 1, 0, false},
        {{.tracks = tracks}, 0, 1, 0, 0, false},                   // no keys: repeat one
        {{.repeat = "0", .tracks = tracks}, 0, 0, 0, 0, false},    // none chosen
        {{.own = "1", .tracks = tracks}, 0, 1, 0, 0, true},        // plays at start
        {{.own = "1", .tracks = {}}, 0, 1, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(MusicSection(c.section));
        WriteIni(MusicSection(c.section));
        Open();
        EXPECT_NE(dlg->m_player.GetMode(), MCI_MODE_PLAY) << "not before the game's first tick";
        Tick();
        EXPECT_EQ(dlg->m_nMode, c.mode);
        EXPECT_EQ(dlg->m_bRepeatOne, c.repeatOne);
        EXPECT_EQ(dlg->m_bRepeatAll, c.repeatAll);
        EXPECT_EQ(dlg->m_bRandom, c.random);
        EXPECT_EQ(dlg->m_player.GetMode() == MCI_MODE_PLAY, c.playing);
        dlg.reset();
    }
}

// A stored count far beyond the entries neither hangs nor makes empty rows;
// one that overflows or is negative is no count.
TEST_F(MusicSettingsTest, TheStoredCountIsBoundedByTheEntries)
{
    const std::vector<std::string> tracks = Tracks(2);
    const struct {
        const char* sum;
        int rows;
    } cases[] = {{"2147483647", 2}, {"99999999999999999999", 2}, {"-4", 0}, {"1", 1}, {"x", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sum);
        WriteIni(MusicSection({.tracks = tracks, .sum = c.sum}));
        const double start = ProcessorSeconds();
        Open();
        EXPECT_LT(ProcessorSeconds() - start, 2.0);
        EXPECT_EQ(dlg->m_listMusic.GetItemCount(), c.rows);
        dlg.reset();
    }
    EXPECT_TRUE(boxes.empty());
}

// Files that are no music are refused with one message each; the playlist
// and the file keep what they had.
TEST_F(MusicSettingsTest, BadFilesAreRefusedWithOneMessageAndNothingLost)
{
    const std::vector<std::string> tracks = Tracks(2);
    WriteIni(MusicSection({.tracks = tracks}));
    Open();
    const std::string bad[] = {dir.Write("notes.mp3", "These are not the notes you are looking for.\n"),
                               dir.Write("empty.wav", ""), dir.File("gone.mp3"),
                               dir.Write("half.wav", SineWav(kTrackMs).substr(0, 30))};
    for (const std::string& path : bad) {
        SCOPED_TRACE(path);
        boxes.clear();
        SetFileDialogHook([&path](std::string& p) {
            p = path;
            return IDOK;
        });
        Click(dlg->m_btnAdd);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find(path), std::string::npos) << boxes[0];
        EXPECT_EQ(dlg->m_listMusic.GetItemCount(), 2);
    }
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IniText("Custom Settings", "MusicSum"), "2");
    EXPECT_EQ(IniText("Custom Settings", "MusicList0"), tracks[0]);
    EXPECT_EQ(IniText("Custom Settings", "MusicList1"), tracks[1]);
    EXPECT_EQ(IniText("Custom Settings", "MusicList2"), "<missing>");
}

// A stored track that went missing is told once when its turn comes and
// skipped then and later; the message box's own loop runs the dialog's clock
// and cannot start another track or box inside it.
TEST_F(MusicSettingsTest, ATrackThatCannotPlayIsToldOnceAndSkipped)
{
    const std::string gone = dir.File("gone.wav");
    WriteIni(MusicSection({.cycle = "1", .tracks = {Track("a.wav"), gone, Track("c.wav")}}));
    int depth = 0, deepest = 0;
    SetMessageBoxHook([&](const char* text, const char*, UINT) {
        boxes.push_back(text);
        deepest = std::max(deepest, ++depth);
        AfxPumpMessages(700);  // the box stays open over several ticks
        --depth;
        return IDOK;
    });
    Open(false);
    Click(dlg->m_btnPlay);
    std::vector<int> rows{dlg->m_nCurItem};
    ASSERT_TRUE(WaitFor(
        [&] {
            if (dlg->m_nCurItem != rows.back())
                rows.push_back(dlg->m_nCurItem);
            return rows.size() >= 4;
        }));
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 0, 2}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(gone), std::string::npos);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(dlg->m_listMusic.GetItemCount(), 3);
    EXPECT_EQ(GetMciWindowCount(), baseline + 1) << "one player window, whatever the number of tracks";
}

// Nothing playable: one message naming both files, then it stops.
TEST_F(MusicSettingsTest, APlaylistOfBadFilesStops)
{
    WriteIni(MusicSection({.own = "1", .tracks = {dir.File("x.mp3"), dir.Write("y.mp3", "text")}}));
    Open();
    Tick();
    Checked();
    Tick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(dir.File("x.mp3")), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find(dir.File("y.mp3")), std::string::npos) << boxes[0];
    EXPECT_NE(dlg->m_player.GetMode(), MCI_MODE_PLAY);
    EXPECT_EQ(dlg->m_nCurItem, -1);
    Click(dlg->m_btnPlay);
    Tick();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(dlg->m_listMusic.GetItemCount(), 2);
}

// Stored tracks that cannot be played now (gone, a FIFO, a device, a folder,
// a WAV of 0 channels) keep their rows through a save, painted as such; one
// message names them all; the music plays the others, and a name that ends
// in a space is kept.
TEST_F(MusicSettingsTest, StoredTracksThatCannotPlayNowKeepTheirRowsThroughASave)
{
    ASSERT_EQ(mkfifo(dir.File("fifo.mp3").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.wav"));
    std::filesystem::create_directories(dir.File("folder.ogg"));
    std::string mute = SineWav(kTrackMs);
    mute[22] = mute[23] = '\0';  // 0 channels
    const std::vector<std::string> tracks = {Track("a.wav"),         dir.File("gone.wav"), dir.File("fifo.mp3"),
                                             dir.File("zero.wav"),   dir.File("folder.ogg"),
                                             dir.Write("mute.wav", mute), Track("ends in a space.wav ")};
    std::vector<std::string> stored = tracks;
    stored[6] = "\"" + tracks[6] + "\"";
    WriteIni(MusicSection({.cycle = "1", .own = "1", .tracks = stored}));
    alarm(120);  // a blocking open or an endless read fails the test instead of hanging it
    Open();
    Tick();
    EXPECT_EQ(dlg->m_player.GetMode(), MCI_MODE_PLAY);
    EXPECT_EQ(dlg->m_nCurItem, 0);
    Checked();
    Tick();
    ASSERT_EQ(boxes.size(), 1u) << "one message for all";
    for (int row = 1; row <= 5; ++row) {
        EXPECT_NE(boxes[0].find(tracks[row]), std::string::npos) << boxes[0];
        EXPECT_TRUE(dlg->Playlist().Failed(row)) << row;
    }
    EXPECT_FALSE(dlg->Playlist().Failed(0));
    EXPECT_FALSE(dlg->Playlist().Failed(6));
    // The painted text of a row that cannot be played differs from the others'.
    NMLVCUSTOMDRAW draw{};
    LRESULT result = 0;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = 3;
    dlg->m_listMusic.OnCustomDraw(&draw.nmcd.hdr, &result);
    const COLORREF failedText = draw.clrText;
    draw.nmcd.dwItemSpec = 6;
    dlg->m_listMusic.OnCustomDraw(&draw.nmcd.hdr, &result);
    EXPECT_NE(failedText, draw.clrText);
    EXPECT_EQ(draw.clrText, RGB(0, 0, 0));

    PlayToTheEnd();
    EXPECT_EQ(dlg->m_nCurItem, 6) << "repeat all passes over the rows that cannot play";
    PlayToTheEnd();
    EXPECT_EQ(dlg->m_nCurItem, 0);
    alarm(0);
    EXPECT_EQ(boxes.size(), 1u);
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(IniText("Custom Settings", "MusicSum"), "7");
    for (size_t i = 0; i < tracks.size(); ++i)
        EXPECT_EQ(IniText("Custom Settings", ("MusicList" + std::to_string(i)).c_str()), tracks[i]);
}

TEST_F(MusicSettingsTest, AHundredThousandTracksLoadAndSaveInLinearTime)
{
    constexpr int kTracks = 100000;
    std::vector<std::string> tracks;
    tracks.reserve(kTracks);
    for (int i = 0; i < kTracks; ++i)
        tracks.push_back("/music/album " + std::to_string(i / 10) + "/track " + std::to_string(i) + ".mp3");
    WriteIni(MusicSection({.tracks = tracks}));
    const double start = ProcessorSeconds();
    Open();
    ASSERT_EQ(dlg->m_listMusic.GetItemCount(), kTracks);
    EXPECT_EQ(dlg->m_listMusic.GetItemText(kTracks - 1, 0), tracks.back());
    ClickRow(0);
    Click(dlg->m_btnRemove);
    dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_LT(ProcessorSeconds() - start, 60.0) << "a scan per track";
    EXPECT_EQ(IniText("Custom Settings", "MusicSum"), std::to_string(kTracks - 1));
    EXPECT_EQ(IniText("Custom Settings", "MusicList0"), tracks[1]);
    EXPECT_EQ(IniText("Custom Settings", ("MusicList" + std::to_string(kTracks - 2)).c_str()), tracks.back());
}

}  // namespace
