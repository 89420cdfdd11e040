#include "platform/disk_audio.h"
#include "platform/media_player.h"
#include "platform/msgbox.h"
#include "platform/music_files.h"
#include "platform/sound.h"
#include "platform/winapp.h"
#include "support/hostile_files.h"
#include "support/scratch_dir.h"
#include "support/wav_file.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | MCIWNDF_NOTIFYALL | MCIWNDF_NOMENU | MCIWNDF_NOPLAYBAR;

// A window that keeps the mode notifications of its MCI children.
class Sink : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == MCIWNDM_NOTIFYMODE) {
            notices.push_back({reinterpret_cast<HWND>(wParam), static_cast<LONG>(lParam)});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    struct Notice {
        HWND mci;
        LONG mode;
    };
    std::vector<Notice> notices;
};

class MediaPlayerTest : public testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
    void SetUp() override
    {
        SetMessageBoxHook([this](const char* text, const char*, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
        ASSERT_TRUE(sink.Create(nullptr, "sink", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0));
        baseline = GetMciWindowCount();
    }
    void TearDown() override
    {
        sink.DestroyWindow();
        EXPECT_EQ(GetMciWindowCount(), baseline) << "the sink's windows die with it";
        SetMessageBoxHook(nullptr);
        ShutdownSound();
    }

    HWND Open(const std::string& path, DWORD style = kStyle)
    {
        return MCIWndCreateA(sink.m_hWnd, nullptr, style, path.c_str());
    }
    // Delivers messages until `done` holds or `ms` have passed; whether it holds.
    static bool PumpUntil(const std::function<bool()>& done, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            AfxPumpMessages(10);
        return done();
    }
    std::vector<LONG> ModesOf(HWND mci) const
    {
        std::vector<LONG> modes;
        for (const Sink::Notice& n : sink.notices)
            if (n.mci == mci)
                modes.push_back(n.mode);
        return modes;
    }

    ScratchDir dir;
    const std::string good_ = dir.Write("fine.wav", SineWav(200));
    Sink sink;
    std::vector<std::string> boxes;
    int baseline = 0;
};

struct Format {
    const char* name;
    std::string (*make)(int ms);
};

std::string Wav(int ms) { return SineWav(ms); }

class MediaFormatTest : public MediaPlayerTest, public testing::WithParamInterface<Format> {};

// Each kind plays to its end by itself: the window leaves play mode on its
// own, tells its parent, and stands at the end.
TEST_P(MediaFormatTest, PlaysToTheEndAndSaysSo)
{
    const std::string bytes = GetParam().make(400);
    ASSERT_FALSE(bytes.empty());
    HWND mci = Open(dir.Write(std::string("track.") + GetParam().name, bytes));
    ASSERT_NE(mci, nullptr);
    EXPECT_TRUE(boxes.empty());
    ASSERT_TRUE(MCIWndCanPlay(mci));
    EXPECT_EQ(MCIWndSetTimeFormat(mci, "ms"), 0);
    MCIWndSetActiveTimer(mci, 100);
    EXPECT_NEAR(MCIWndGetLength(mci), 400, 40);
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_STOP);
    EXPECT_EQ(MCIWndGetVolume(mci), 1000);

    ASSERT_EQ(MCIWndPlay(mci), 0);
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_PLAY);
    ASSERT_TRUE(PumpUntil([&] { return MCIWndGetPosition(mci) > 100; }, 2000)) << "playback does not advance";
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_PLAY);
    ASSERT_TRUE(PumpUntil([&] { return ModesOf(mci).size() == 2; }, 3000)) << "no end-of-media notice";
    EXPECT_EQ(ModesOf(mci), (std::vector<LONG>{MCI_MODE_PLAY, MCI_MODE_STOP}));
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_STOP);
    EXPECT_EQ(MCIWndGetPosition(mci), MCIWndGetLength(mci));

    // Played again at the end, it starts over.
    ASSERT_EQ(MCIWndPlay(mci), 0);
    EXPECT_LT(MCIWndGetPosition(mci), 100);
    MCIWndDestroy(mci);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MediaFormatTest,
                         testing::Values(Format{"wav", Wav}, Format{"ogg", SineOgg}, Format{"flac", SineFlac},
                                         Format{"mp3", SilentMp3}),
                         [](const auto& info) { return std::string(info.param.name); });

// A backend that stops before the length it announced (here a WAV whose
// header claims twice the data it holds) still ends the track.
TEST_F(MediaPlayerTest, TheEndIsTheStreamStoppingNotThePositionReachingTheLength)
{
    HWND mci = Open(dir.Write("short.wav", SineWav(300, 3000)));
    ASSERT_TRUE(MCIWndCanPlay(mci));
    MCIWndSetActiveTimer(mci, 100);
    ASSERT_EQ(MCIWndPlay(mci), 0);
    EXPECT_TRUE(PumpUntil([&] { return ModesOf(mci).size() == 2; }, 2000)) << "the playlist would stall";
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_STOP);
}

TEST_F(MediaPlayerTest, StopKeepsThePlaceSeekMovesItAndPlayGoesOnFromThere)
{
    HWND mci = Open(dir.Write("long.wav", SineWav(3000)));
    ASSERT_TRUE(MCIWndCanPlay(mci));
    ASSERT_EQ(MCIWndPlay(mci), 0);
    ASSERT_TRUE(PumpUntil([&] { return MCIWndGetPosition(mci) >= 200; }, 2000));
    ASSERT_EQ(MCIWndStop(mci), 0);
    const LONG stoppedAt = MCIWndGetPosition(mci);
    EXPECT_GE(stoppedAt, 200);
    AfxPumpMessages(150);
    EXPECT_EQ(MCIWndGetPosition(mci), stoppedAt);
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_STOP);
    EXPECT_EQ(ModesOf(mci), (std::vector<LONG>{MCI_MODE_PLAY, MCI_MODE_STOP}));

    const struct {
        LONG to;
        LONG expected;
    } seeks[] = {{1500, 1500}, {0, 0}, {-20, 0}, {99999, 3000}};
    for (const auto& s : seeks) {
        EXPECT_EQ(MCIWndSeek(mci, s.to), 0);
        EXPECT_EQ(MCIWndGetPosition(mci), s.expected) << "seek to " << s.to;
    }

    ASSERT_EQ(MCIWndSeek(mci, 2000), 0);
    ASSERT_EQ(MCIWndPlay(mci), 0);
    AfxPumpMessages(100);
    EXPECT_GE(MCIWndGetPosition(mci), 2000);
    EXPECT_LT(MCIWndGetPosition(mci), 2600);
    // Seeking while playing moves playback without stopping it.
    ASSERT_EQ(MCIWndSeek(mci, 500), 0);
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_PLAY);
    AfxPumpMessages(100);
    EXPECT_GE(MCIWndGetPosition(mci), 500);
    EXPECT_LT(MCIWndGetPosition(mci), 1100);
}

TEST_F(MediaPlayerTest, OnlyOneWindowPlaysAtATime)
{
    HWND a = Open(dir.Write("a.wav", SineWav(2000)));
    HWND b = Open(dir.Write("b.wav", SineWav(2000)));
    ASSERT_EQ(MCIWndPlay(a), 0);
    AfxPumpMessages(150);
    ASSERT_EQ(MCIWndPlay(b), 0);
    EXPECT_EQ(MCIWndGetMode(a), MCI_MODE_STOP);
    EXPECT_EQ(MCIWndGetMode(b), MCI_MODE_PLAY);
    const LONG aAt = MCIWndGetPosition(a);
    EXPECT_GT(aAt, 0);
    AfxPumpMessages(150);
    EXPECT_EQ(MCIWndGetPosition(a), aAt) << "the stopped window keeps its place";
    EXPECT_EQ(ModesOf(a), (std::vector<LONG>{MCI_MODE_PLAY, MCI_MODE_STOP})) << "taken over, not ended";
}

// The WAV file with the little-endian field of `n` bytes at `at` set to v.
std::string WavWith(size_t at, uint32_t v, int n)
{
    std::string wav = SineWav(300);
    for (int i = 0; i < n; ++i)
        wav[at + i] = char((v >> (8 * i)) & 0xFF);
    return wav;
}

// Hostile files never reach a decoder that trusts them: a header of 0
// channels once killed the game (a division by zero in the WAV reader), a
// FIFO hung it, a link to a device was read without end.
TEST_F(MediaPlayerTest, FilesThatCannotPlayGetOneMessageEach)
{
    const std::string good = dir.Write("good.wav", SineWav(300));
    std::vector<HostileFile> hostile = MakeHostileFiles(dir, ".wav", uint64_t(1) << 30, SineWav(300));
    // Offsets in the header: 20 coding, 22 channels, 24 rate, 32 block size, 34 bits, 16 format size.
    const struct {
        const char* name;
        std::string path;
        const char* why;
    } table[] = {
        {"missing", dir.File("missing.mp3"), "does not exist"},
        {"text named .mp3", dir.Write("notes.mp3", "These are the words of a song, not its sound.\n"), "not a music"},
        {"empty", dir.Write("empty.wav", ""), "empty"},
        {"cut header", dir.Write("cut.wav", SineWav(300).substr(0, 20)), "cut short"},
        {"0 channels", dir.Write("mute.wav", WavWith(22, 0, 2)), "header is damaged"},
        {"9 channels", dir.Write("nine.wav", WavWith(22, 9, 2)), "header is damaged"},
        {"0 bits", dir.Write("bits0.wav", WavWith(34, 0, 2)), "header is damaged"},
        {"12 bits", dir.Write("bits12.wav", WavWith(34, 12, 2)), "header is damaged"},
        {"rate 0", dir.Write("rate0.wav", WavWith(24, 0, 4)), "header is damaged"},
        {"block size 0", dir.Write("block0.wav", WavWith(32, 0, 2)), "header is damaged"},
        {"format chunk too short", dir.Write("short.wav", WavWith(16, 8, 4)), "header is damaged"},
        {"ADPCM", dir.Write("adpcm.wav", WavWith(20, 2, 2)), "coding the game cannot play"},
        {"no data", dir.Write("nodata.wav", SineWav(300).substr(0, 36)), "no sound data"},
    };
    for (const auto& c : table)
        hostile.push_back({c.name, c.path, c.why});
    // A blocking open or an endless read fails the test instead of hanging it.
    alarm(60);
    for (const HostileFile& c : hostile) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        HWND mci = Open(c.path);
        ASSERT_NE(mci, nullptr);
        EXPECT_FALSE(MCIWndCanPlay(mci));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find(c.path), std::string::npos) << boxes[0];
        EXPECT_NE(boxes[0].find(c.why), std::string::npos) << boxes[0];
        EXPECT_NE(MCIWndPlay(mci), 0);
        EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_NOT_READY);
        EXPECT_EQ(MCIWndGetLength(mci), 0);
        MCIWndDestroy(mci);

        boxes.clear();
        mci = Open(c.path, kStyle | MCIWNDF_NOERRORDLG);
        EXPECT_FALSE(MCIWndCanPlay(mci));
        EXPECT_TRUE(boxes.empty()) << "asked for no box";
        MCIWndDestroy(mci);
    }
    // No file at all is no error; a good file still plays.
    boxes.clear();
    HWND none = Open("");
    EXPECT_FALSE(MCIWndCanPlay(none));
    HWND mci = Open(good);
    EXPECT_TRUE(MCIWndCanPlay(mci));
    EXPECT_EQ(MCIWndPlay(mci), 0);
    EXPECT_TRUE(boxes.empty());
    alarm(0);
}

// The decoders' own readers of tags and loop points trust the sizes the file
// holds (a tag frame claiming 512 MiB crashed one): they never see them.
TEST_F(MediaPlayerTest, TagsAndLoopPointsNeverReachTheDecoders)
{
    const auto syncsafe = [](uint32_t n) {
        std::string b;
        for (int shift = 21; shift >= 0; shift -= 7)
            b.push_back(char((n >> shift) & 0x7F));
        return b;
    };
    // ID3v2.3 with an extended header and a frame whose size runs far past the tag.
    std::string frame = "TPE1";
    frame += std::string("\x20\x00\x00\x15", 4) + std::string(2, '\0') + "\x01\xFF\xFEP\0a\0r\0";
    const std::string extended = std::string("\0\0\0\x06\0\0\0\0\0\0", 10);
    const std::string body = extended + frame + std::string(64, '\0');
    const std::string id3 = std::string("ID3\x03\x00\x40", 6) + syncsafe(uint32_t(body.size())) + body;
    std::string ape = "APETAGEX";
    PutLittleEndian(ape, 2000, 4);
    PutLittleEndian(ape, 0x7FFFFFF0, 4);  // its size
    PutLittleEndian(ape, 1000000, 4);     // items
    PutLittleEndian(ape, 0x80000000u, 4);
    ape += std::string(8, '\0');
    // A WAV whose sampler chunk claims loops it does not hold (and would loop for ever).
    std::string sampler = SineWav(300);
    std::string smpl = "smpl";
    PutLittleEndian(smpl, 60, 4);
    smpl += std::string(28, '\0');
    PutLittleEndian(smpl, 1000000, 4);
    smpl += std::string(4, '\0') + std::string(24, '\0');
    sampler.insert(36, smpl);
    const std::string files[] = {dir.Write("tagged.mp3", id3 + SilentMp3(300)), dir.Write("ape.mp3", SilentMp3(300) + ape),
                                 dir.Write("loops.wav", sampler)};
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        boxes.clear();
        HWND mci = Open(path);
        ASSERT_TRUE(MCIWndCanPlay(mci)) << (boxes.empty() ? "" : boxes[0]);
        ASSERT_EQ(MCIWndPlay(mci), 0);
        EXPECT_TRUE(PumpUntil([&] { return MCIWndGetMode(mci) == MCI_MODE_STOP; }, 20000)) << "it ends, once";
        MCIWndDestroy(mci);
    }
}

// A file refused by its decoder leaves nothing open behind.
TEST_F(MediaPlayerTest, FilesThatCannotBeDecodedLeaveNoFileOpen)
{
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const std::string damaged[] = {
        dir.Write("bad.ogg", "OggS" + std::string(200, 'x')),
        dir.Write("bad.flac", "fLaC" + std::string(200, 'x')),
        dir.Write("bad.mp3", "ID3" + std::string(200, '\xFF')),
    };
    Open(good_);  // the device and the decoders are set up before counting
    const auto before = openFiles();
    for (const std::string& path : damaged) {
        SCOPED_TRACE(path);
        boxes.clear();
        HWND mci = Open(path);
        EXPECT_FALSE(MCIWndCanPlay(mci));
        EXPECT_EQ(boxes.size(), 1u);
        MCIWndDestroy(mci);
    }
    EXPECT_EQ(openFiles(), before);
}

TEST_F(MediaPlayerTest, LongPathsAreKeptWhole)
{
    const std::string folder = std::string(150, 'm');
    std::filesystem::create_directories(dir.File(folder));
    const std::string path = dir.Write(folder + "/song.ogg", SineOgg(200));
    ASSERT_GT(path.size(), 128u);
    HWND mci = Open(path);
    EXPECT_TRUE(MCIWndCanPlay(mci));
    EXPECT_TRUE(boxes.empty());

    Open(path + ".gone");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(path + ".gone"), std::string::npos);
}

TEST_F(MediaPlayerTest, VolumeIsLimitedToTheDeviceRange)
{
    HWND mci = Open(dir.Write("a.wav", SineWav(200)));
    const struct {
        LONG set;
        LONG got;
    } cases[] = {{500, 500}, {0, 0}, {1000, 1000}, {-5, 0}, {4000, 1000}};
    for (const auto& c : cases) {
        EXPECT_EQ(MCIWndSetVolume(mci, c.set), 0);
        EXPECT_EQ(MCIWndGetVolume(mci), c.got) << "set " << c.set;
    }
}

TEST_F(MediaPlayerTest, WindowsDieByCloseMessageAndWithTheirParent)
{
    const std::string song = dir.Write("a.wav", SineWav(1000));
    HWND a = Open(song);
    HWND b = Open(song);
    EXPECT_EQ(GetMciWindowCount(), baseline + 2);
    ASSERT_EQ(MCIWndPlay(a), 0);
    CWnd::FromHandle(a)->SendMessage(WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(GetMciWindowCount(), baseline + 1);
    EXPECT_EQ(MCIWndPlay(a), MCIERR_DEVICE_NOT_READY);  // a dead window is no window
    EXPECT_EQ(MCIWndPlay(b), 0);

    sink.DestroyWindow();
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(GetMciWindowCount(), baseline);
}

TEST_F(MediaPlayerTest, ClosingTheDeviceOrTheSoundLeavesTheWindowWithoutOne)
{
    const std::string song = dir.Write("a.wav", SineWav(1000));
    HWND mci = Open(song);
    ASSERT_EQ(MCIWndPlay(mci), 0);
    EXPECT_EQ(MCIWndClose(mci), 0);
    EXPECT_FALSE(MCIWndCanPlay(mci));
    EXPECT_EQ(MCIWndGetMode(mci), MCI_MODE_NOT_READY);
    EXPECT_EQ(MCIWndGetPosition(mci), 0);
    EXPECT_TRUE(IsWindow(mci));

    HWND other = Open(song);
    ASSERT_EQ(MCIWndPlay(other), 0);
    ShutdownSound();
    EXPECT_FALSE(MCIWndCanPlay(other));
    HWND again = Open(song);  // opens the device again
    EXPECT_EQ(MCIWndPlay(again), 0);
    EXPECT_EQ(MCIWndGetMode(again), MCI_MODE_PLAY);
}

// What reaches the speakers: the volume scales the file's level, 1000 being
// the file as it is; the built-in sound and the player's music mix apart, so
// stopping one leaves the other.
struct MusicMix {
    const char* name;
    LONG volume;
    double share;
};

std::string PlayMusicAtVolume(const MusicMix& c)
{
    ScratchDir dir;
    UseDiskDriver(dir.File("out.raw"));
    HWND mci = MCIWndCreateA(nullptr, nullptr, kStyle, dir.Write("a.wav", SineWav(400)).c_str());
    MCIWndSetVolume(mci, c.volume);
    if (MCIWndPlay(mci) != 0)
        return "music did not play";
    Sleep(300);
    PlaySoundA(nullptr, nullptr, SND_FILENAME);  // the game window's tick while own music plays
    Sleep(200);
    ShutdownSound();
    const std::vector<int16_t> pcm = ReadPcm(dir.File("out.raw"));
    const Peak p = PeakOf(pcm, 0, pcm.size() / 2);
    return CheckLevel("left", p.left, c.share) + CheckLevel("right", p.right, c.share);
}

void PrintTo(const MusicMix& c, std::ostream* os) { *os << c.name; }

class MusicMixTest : public testing::TestWithParam<MusicMix> {};

TEST_P(MusicMixTest, OutputFollowsTheVolume) { EXPECT_IN_CHILD(PlayMusicAtVolume(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Disk, MusicMixTest,
                         testing::Values(MusicMix{"full", 1000, 1.0}, MusicMix{"half", 500, 0.5},
                                         MusicMix{"silent", 0, 0.0}),
                         [](const auto& info) { return std::string(info.param.name); });

std::string BuiltInAndOwnMusicMixApart()
{
    ScratchDir dir;
    UseDiskDriver(dir.File("out.raw"));
    const std::string loop = dir.Write("loop.wav", SineWav(100));
    if (!PlaySoundA(loop.c_str(), nullptr, SND_FILENAME | SND_LOOP | SND_ASYNC))
        return "built-in sound did not play";
    HWND mci = MCIWndCreateA(nullptr, nullptr, kStyle, dir.Write("a.wav", SineWav(2000)).c_str());
    MCIWndSetVolume(mci, 0);
    if (MCIWndPlay(mci) != 0)
        return "music did not play";
    Sleep(200);
    if (!IsSoundPlaying())
        return "the music stopped the built-in sound";
    MCIWndStop(mci);
    Sleep(150);
    if (!IsSoundPlaying())
        return "stopping the music stopped the built-in sound";
    ShutdownSound();
    const std::vector<int16_t> pcm = ReadPcm(dir.File("out.raw"));
    const Peak p = PeakOf(pcm, pcm.size() / 8, pcm.size() / 2);
    return CheckLevel("left", p.left, 1.0);  // silent music does not lower the sound
}

TEST(MusicMixTest, BuiltInSoundAndOwnMusicAreApart) { EXPECT_IN_CHILD(BuiltInAndOwnMusicMixApart()); }

// Without a sound device the music plays on the silent dummy driver, and
// still ends.
std::string PlaySilentlyWithoutADevice()
{
    ScratchDir dir;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SetMessageBoxHook([](const char* text, const char*, UINT) {
        ExitWith(std::string("message: ") + text);
        return IDOK;
    });
    HWND mci = MCIWndCreateA(nullptr, nullptr, kStyle, dir.Write("a.wav", SineWav(200)).c_str());
    if (!MCIWndCanPlay(mci) || MCIWndPlay(mci) != 0)
        return "music did not play";
    if (std::string(GetAudioDriverName()) != "dummy")
        return std::string("driver is ") + GetAudioDriverName();
    Sleep(600);
    if (MCIWndGetMode(mci) != MCI_MODE_STOP)
        return "the track did not end";
    return "";
}

TEST(MusicMixTest, PlaysSilentlyWithoutADevice) { EXPECT_IN_CHILD(PlaySilentlyWithoutADevice()); }

}  // namespace
