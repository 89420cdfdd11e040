#include "platform/disk_audio.h"
#include "platform/audio_device.h"
#include "platform/sound.h"
#include "support/scratch_dir.h"
#include "support/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr DWORD kLoopFlags = SND_FILENAME | SND_LOOP | SND_NODEFAULT | SND_ASYNC;
constexpr DWORD kOnceFlags = SND_FILENAME | SND_NODEFAULT | SND_ASYNC;

class SoundTest : public testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 0); }
    void TearDown() override
    {
        ShutdownSound();
        waveOutSetVolume(0, 0xFFFFFFFF);
    }
    ScratchDir dir_;
};

TEST_F(SoundTest, PlaysFromMemorySoTheFileCanBeDeletedAtOnce)
{
    const std::string path = dir_.Write("music.wav", SineWav(100));
    ASSERT_EQ(PlaySoundA(path.c_str(), nullptr, kLoopFlags), TRUE);
    ASSERT_TRUE(fs::remove(path));
    EXPECT_STREQ(GetAudioDriverName(), "dummy");
    Sleep(250);  // past the end of the file: the loop goes on from memory
    EXPECT_TRUE(IsSoundPlaying());

    EXPECT_EQ(PlaySoundA(nullptr, nullptr, SND_FILENAME), TRUE);
    EXPECT_FALSE(IsSoundPlaying());
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(PlaySoundA(nullptr, nullptr, SND_FILENAME), TRUE);
    EXPECT_FALSE(IsSoundPlaying());
}

TEST_F(SoundTest, StopAndShutdownAreHarmlessAndTheNextSoundReopens)
{
    EXPECT_EQ(PlaySoundA(nullptr, nullptr, SND_FILENAME), TRUE);
    EXPECT_STREQ(GetAudioDriverName(), "");  // stopping never opens the device
    ShutdownSound();
    ShutdownSound();

    const std::string path = dir_.Write("a.wav", SineWav(50));
    ASSERT_EQ(PlaySoundA(path.c_str(), nullptr, kLoopFlags), TRUE);
    ShutdownSound();
    ShutdownSound();
    EXPECT_FALSE(IsSoundPlaying());
    EXPECT_STREQ(GetAudioDriverName(), "");
    EXPECT_EQ(PlaySoundA(nullptr, nullptr, SND_FILENAME), TRUE);

    ASSERT_EQ(PlaySoundA(path.c_str(), nullptr, kLoopFlags), TRUE);  // opens again
    EXPECT_TRUE(IsSoundPlaying());
}

TEST_F(SoundTest, OpeningLeavesTheQuitSignalsAlone)
{
    const int signals[] = {SIGINT, SIGTERM};
    struct sigaction before[2], after[2];
    for (int i = 0; i < 2; ++i)
        sigaction(signals[i], nullptr, &before[i]);
    const std::string path = dir_.Write("a.wav", SineWav(50));
    ASSERT_EQ(PlaySoundA(path.c_str(), nullptr, kLoopFlags), TRUE);
    for (int i = 0; i < 2; ++i) {
        sigaction(signals[i], nullptr, &after[i]);
        EXPECT_EQ(after[i].sa_handler, before[i].sa_handler) << "signal " << signals[i];
    }
}

TEST_F(SoundTest, AsyncPlaysOnceUnlessLooped)
{
    const std::string path = dir_.Write("short.wav", SineWav(60));
    const struct {
        DWORD flags;
        bool playingLater;
    } cases[] = {{kOnceFlags, false}, {kLoopFlags, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        ASSERT_EQ(PlaySoundA(path.c_str(), nullptr, c.flags), TRUE);
        EXPECT_TRUE(IsSoundPlaying());
        Sleep(300);
        EXPECT_EQ(IsSoundPlaying(), c.playingLater);
    }
}

TEST_F(SoundTest, SyncReturnsWhenPlayedOnce)
{
    const std::string path = dir_.Write("sync.wav", SineWav(150));
    for (DWORD flags : {SND_FILENAME | SND_SYNC, SND_FILENAME | SND_SYNC | SND_LOOP}) {
        SCOPED_TRACE(flags);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(PlaySoundA(path.c_str(), nullptr, flags), TRUE);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_GE(took, std::chrono::milliseconds(120));
        EXPECT_LT(took, std::chrono::milliseconds(1000));
        EXPECT_FALSE(IsSoundPlaying());
    }
}

TEST_F(SoundTest, NewSoundReplacesThePlayingOne)
{
    const std::string loop = dir_.Write("loop.wav", SineWav(100));
    const std::string once = dir_.Write("once.wav", SineWav(50));
    ASSERT_EQ(PlaySoundA(loop.c_str(), nullptr, kLoopFlags), TRUE);
    ASSERT_EQ(PlaySoundA(once.c_str(), nullptr, kOnceFlags), TRUE);
    Sleep(250);
    EXPECT_FALSE(IsSoundPlaying());  // the loop does not come back after the new sound
}

TEST_F(SoundTest, UnreadableFileFailsAndStopsThePreviousSound)
{
    const std::string good = dir_.Write("good.wav", SineWav(100));
    const std::string wav = SineWav(100);
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"missing", dir_.File("missing.wav")},
        {"empty", dir_.Write("empty.wav", "")},
        {"text", dir_.Write("text.wav", "not a sound at all, just some words\n")},
        {"header only", dir_.Write("cut.wav", wav.substr(0, 20))},
        {"folder", dir_.File("")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(PlaySoundA(good.c_str(), nullptr, kLoopFlags), TRUE);
        EXPECT_EQ(PlaySoundA(c.path.c_str(), nullptr, kLoopFlags), FALSE);
        EXPECT_FALSE(IsSoundPlaying());
    }
    EXPECT_EQ(PlaySoundA(good.c_str(), nullptr, kLoopFlags), TRUE);
    EXPECT_TRUE(IsSoundPlaying());
}

TEST_F(SoundTest, VolumeIsKeptAsSetWithoutOpeningTheDevice)
{
    EXPECT_EQ(GetWaveOutVolume(), 0xFFFFFFFFu);
    for (DWORD v : {0x00000000u, 0x0000FFFFu, 0xFFFF0000u, 0x12345678u, 0xFFFFFFFFu}) {
        EXPECT_EQ(waveOutSetVolume(0, v), MMSYSERR_NOERROR);
        EXPECT_EQ(GetWaveOutVolume(), v);
    }
    EXPECT_STREQ(GetAudioDriverName(), "");
}

// The rest runs in fresh processes, each with its own SDL_AUDIODRIVER, and
// checks what the "disk" driver wrote (disk_audio.h).

struct VolumeCase {
    const char* name;
    DWORD volume;
    double left;  // expected level as a share of the source's
    double right;
};

// Sets the volume once, then plays a sound that ends by itself, then a loop,
// then a loop that replaces it: the volume holds for all of them.
std::string PlayWithVolume(const VolumeCase& c)
{
    ScratchDir dir;
    const std::string out = dir.File("out.raw");
    UseDiskDriver(out);
    const std::string a = dir.Write("a.wav", SineWav(60));
    const std::string b = dir.Write("b.wav", SineWav(100));
    waveOutSetVolume(0, c.volume);
    if (!PlaySoundA(a.c_str(), nullptr, kOnceFlags))
        return "first sound did not play";
    if (std::string(GetAudioDriverName()) != "disk")
        return std::string("driver is ") + GetAudioDriverName();
    Sleep(120);
    if (!PlaySoundA(b.c_str(), nullptr, kLoopFlags))
        return "second sound did not play";
    Sleep(100);
    if (!PlaySoundA(b.c_str(), nullptr, kLoopFlags))
        return "third sound did not play";
    Sleep(150);
    ShutdownSound();
    const std::vector<int16_t> pcm = ReadPcm(out);
    if (pcm.size() < size_t(kAudioRate) / 4)
        return "only " + std::to_string(pcm.size()) + " samples written";
    const Peak p = PeakOf(pcm, 0, pcm.size() / 2);
    return CheckLevel("left", p.left, c.left) + CheckLevel("right", p.right, c.right);
}

void PrintTo(const VolumeCase& c, std::ostream* os) { *os << c.name; }

class SoundVolumeTest : public testing::TestWithParam<VolumeCase> {};

TEST_P(SoundVolumeTest, MixedOutputFollowsTheVolumeWords)
{
    EXPECT_IN_CHILD(PlayWithVolume(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Disk, SoundVolumeTest,
                         testing::Values(VolumeCase{"full", 0xFFFFFFFF, 1.0, 1.0},
                                         VolumeCase{"zero", 0x00000000, 0.0, 0.0},
                                         VolumeCase{"leftOnly", 0x0000FFFF, 1.0, 0.0},
                                         VolumeCase{"rightOnly", 0xFFFF0000, 0.0, 1.0},
                                         VolumeCase{"half", 0x80008000, 0.5, 0.5},
                                         VolumeCase{"leftFullRightQuarter", 0x4000FFFF, 1.0, 0.25}),
                         [](const auto& info) { return std::string(info.param.name); });

std::string LowerVolumeWhilePlaying()
{
    ScratchDir dir;
    const std::string out = dir.File("out.raw");
    UseDiskDriver(out);
    const std::string wav = dir.Write("a.wav", SineWav(100));
    if (!PlaySoundA(wav.c_str(), nullptr, kLoopFlags))
        return "sound did not play";
    Sleep(200);
    waveOutSetVolume(0, 0);
    Sleep(250);
    ShutdownSound();
    const std::vector<int16_t> pcm = ReadPcm(out);
    const size_t frames = pcm.size() / 2;
    const Peak before = PeakOf(pcm, 0, frames / 3);
    const Peak after = PeakOf(pcm, frames - frames / 4, frames);
    return CheckLevel("left before", before.left, 1.0) + CheckLevel("right before", before.right, 1.0) +
           CheckLevel("left after", after.left, 0.0) + CheckLevel("right after", after.right, 0.0);
}

TEST(SoundDiskTest, VolumeChangeAppliesToThePlayingSound)
{
    EXPECT_IN_CHILD(LowerVolumeWhilePlaying());
}

// A driver that cannot open gives way to the dummy driver; after a shutdown the
// next sound asks the environment again.
std::string FallBackToDummy()
{
    ScratchDir dir;
    const std::string wav = dir.Write("a.wav", SineWav(100));
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    if (!PlaySoundA(wav.c_str(), nullptr, kLoopFlags))
        return "sound did not play without a device";
    if (std::string(GetAudioDriverName()) != "dummy")
        return std::string("fallback driver is ") + GetAudioDriverName();
    if (!IsSoundPlaying())
        return "not playing on the dummy driver";
    ShutdownSound();
    UseDiskDriver(dir.File("out.raw"));
    if (!PlaySoundA(wav.c_str(), nullptr, kLoopFlags))
        return "sound did not play after reopening";
    if (std::string(GetAudioDriverName()) != "disk")
        return std::string("reopened driver is ") + GetAudioDriverName();
    ShutdownSound();
    return "";
}

TEST(SoundDiskTest, MissingDriverFallsBackToDummy)
{
    EXPECT_IN_CHILD(FallBackToDummy());
}

}  // namespace
