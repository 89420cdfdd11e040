#include "platform/msgbox.h"
#include "platform/places_fixture.h"
#include "platform/sound.h"
#include "support/scratch_dir.h"
#include "support/wav_file.h"
#include "ui/controls/mci_player_wnd.h"
#include "ui/profile_settings.h"
#include "ui_fixture.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

class MciPlayerWndTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        SetMessageBoxHook([this](const char* text, const char*, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
        baseline = GetMciWindowCount();
    }
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        ShutdownSound();
        UiTest::TearDown();
    }
    ScratchDir dir;
    std::vector<std::string> boxes;
    int baseline = 0;
};

TEST_F(MciPlayerWndTest, WithoutAFileItCannotPlayAndSaysNothing)
{
    CMciPlayerWnd player;
    EXPECT_NE(player.Create(), nullptr);
    EXPECT_EQ(player.m_bCanPlay, 0);
    EXPECT_TRUE(boxes.empty());
    player.Play();  // harmless
    EXPECT_NE(player.GetMode(), MCI_MODE_PLAY);
}

TEST_F(MciPlayerWndTest, VolumeIsKeptHereAndTakenFromTheNewDevice)
{
    CMciPlayerWnd player;
    player.SetVolume(500);
    EXPECT_EQ(player.GetVolume(), 500);  // no device yet to ask
    player.SetFileName(dir.Write("a.wav", SineWav(200)));
    player.Create();
    EXPECT_EQ(player.GetVolume(), 1000);
    player.SetVolume(250);
    EXPECT_EQ(player.GetVolume(), 250);
    EXPECT_EQ(MCIWndGetVolume(player.m_hMciWnd), 250);
}

// The Music dialog's steps for each new track (Stop, Close, SetFileName,
// Create) leave one MCI window, and the last one goes with the player.
TEST_F(MciPlayerWndTest, OneWindowPerTrackIsNotLeaked)
{
    const std::string tracks[] = {dir.Write("a.wav", SineWav(300)), dir.Write("b.wav", SineWav(300)),
                                  dir.File("missing.mp3")};
    {
        CMciPlayerWnd player;
        player.Create();
        for (int round = 0; round < 4; ++round) {
            for (const std::string& track : tracks) {
                player.Stop();
                player.Close();
                player.SetFileName(track);
                player.Create();
                EXPECT_EQ(GetMciWindowCount(), baseline + 1);
                if (player.m_bCanPlay)
                    player.Play();
            }
        }
        EXPECT_EQ(boxes.size(), 4u) << "one message for each try of the missing file";
    }
    EXPECT_EQ(GetMciWindowCount(), baseline);
}

TEST_F(MciPlayerWndTest, TrackEndsByItselfWithTheDeviceMode)
{
    CMciPlayerWnd player;
    player.SetFileName(dir.Write("a.wav", SineWav(300)));
    player.Create();
    ASSERT_EQ(player.m_bCanPlay, 1);
    player.Seek(0);
    player.Play();
    EXPECT_EQ(player.GetMode(), MCI_MODE_PLAY);
    AfxPumpMessages(700);
    EXPECT_EQ(player.GetMode(), MCI_MODE_STOP);
    EXPECT_EQ(player.GetPosition(), player.GetLength());
}

TEST_F(MciPlayerWndTest, LongPathIsKeptWhole)
{
    const std::string folder(140, 'p');
    std::filesystem::create_directories(dir.File(folder));
    const std::string path = dir.Write(folder + "/track.wav", SineWav(200));
    CMciPlayerWnd player;
    player.SetFileName(path);
    player.Create();
    EXPECT_EQ(player.m_strFile, path);
    EXPECT_EQ(player.m_bCanPlay, 1);
}

class ProfileVolumeTest : public PlacesFixture {
protected:
    void Store(const std::string& text)
    {
        const std::string folder = root + "/config/parvolune";
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/parvolune-profile.ini") << text;
    }
    CWinApp app{"Parvolune"};
};

TEST_F(ProfileVolumeTest, VolumeComesFromTheProfileWithinTheDeviceRange)
{
    const struct {
        const char* file;
        int volume;
    } cases[] = {
        {nullptr, 1000},
        {"[Settings]\r\n", 1000},
        {"[Settings]\r\nVolume=400\r\n", 400},
        {"[settings]\r\nvolume = 0\r\n", 0},
        {"[Settings]\r\nVolume=5000\r\n", 1000},
        {"[Settings]\r\nVolume=-20\r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        std::filesystem::remove_all(root + "/config");
        if (c.file)
            Store(c.file);
        EXPECT_EQ(CProfileSettings().GetVolume(), c.volume);
    }
}

TEST_F(ProfileVolumeTest, VolumeWrittenIsReadNextTime)
{
    EXPECT_TRUE(CProfileSettings().SetVolume(640));
    EXPECT_EQ(CProfileSettings().GetVolume(), 640);
    EXPECT_TRUE(CProfileSettings().SetVolume(1200));
    EXPECT_EQ(CProfileSettings().GetVolume(), 1000);
}

TEST(ProfileVolumeWithoutAppTest, IsFullVolume)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(CProfileSettings().GetVolume(), 1000);
    EXPECT_FALSE(CProfileSettings().SetVolume(10));
}

}  // namespace
