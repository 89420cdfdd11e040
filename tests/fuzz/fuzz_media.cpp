// Mutated pictures and music files through the game's own loading path: a
// picture as the slideshow prepares it (read, checked, decoded, made into
// texture levels), a music file as the player's window opens it and plays it
// to its end. Run it under the sanitizers: it ends with a summary, or, when
// an input crashes or hangs the path, with that input kept.
//
//   fuzz_media SEEDS_FOLDER COUNT [RANDOM_SEED [KEEP_FOLDER]]
//
// The audio goes to SDL's disk driver without delay (the environment sets
// SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null SDL_DISKAUDIODELAY=0), so
// that a file plays in a moment.
#include "gfx/user_picture.h"
#include "platform/media_player.h"
#include "platform/sound.h"
#include "platform/winapp.h"
#include "support/scratch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A run longer than this on one file is a hang, on any machine.
constexpr int kHangSeconds = 60;

struct Random {
    uint64_t state;
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return n ? size_t(Next() % n) : 0; }
};

// One to four changes of the kinds a damaged disk or a careless tool makes:
// flipped bits (as zzuf does, at a rate), fields set to edge values, a cut,
// a block lost, repeated or inserted.
std::string Mutated(const std::string& seed, Random& r)
{
    std::string b = seed;
    const int changes = 1 + int(r.Below(4));
    for (int c = 0; c < changes && !b.empty(); ++c) {
        switch (r.Below(7)) {
        case 0:
        case 1: {
            const double rates[] = {0.0005, 0.002, 0.004, 0.01};
            const double rate = rates[r.Below(4)];
            for (size_t i = 0; i < b.size(); ++i)
                if (double(r.Next() % 1000000) < rate * 1e6)
                    b[i] = char(b[i] ^ (1 << r.Below(8)));
            break;
        }
        case 2: {
            const uint32_t edges[] = {0, 1, 2, 0x7F, 0x80, 0xFF, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000,
                                      0xFFFFFFFF, 16384, 65535};
            const uint32_t v = edges[r.Below(std::size(edges))];
            const size_t width = size_t(1) << r.Below(3);
            // Headers hold most fields: aim there more often.
            const size_t at = r.Below(2) ? r.Below(std::min<size_t>(b.size(), 64)) : r.Below(b.size());
            for (size_t i = 0; i < width && at + i < b.size(); ++i)
                b[at + i] = char((r.Below(2) ? v >> (8 * i) : v >> (8 * (width - 1 - i))) & 0xFF);
            break;
        }
        case 3: b.resize(r.Below(b.size())); break;
        case 4: {
            const size_t at = r.Below(b.size()), n = std::min(b.size() - at, 1 + r.Below(256));
            b.erase(at, n);
            break;
        }
        case 5: {
            const size_t at = r.Below(b.size()), n = std::min(b.size() - at, 1 + r.Below(512));
            const std::string block = b.substr(at, n);
            for (size_t k = 0, times = 1 + r.Below(8); k < times; ++k)
                b.insert(r.Below(b.size()), block);
            break;
        }
        default: {
            std::string junk(1 + r.Below(64), '\0');
            for (char& ch : junk)
                ch = char(r.Next());
            b.insert(r.Below(b.size() + 1), junk);
            break;
        }
        }
    }
    return b;
}

bool IsPicture(const std::string& ext) { return ext == ".png" || ext == ".jpg" || ext == ".bmp"; }

struct Tally {
    int tried = 0, usable = 0;
    double slowest = 0;
    std::map<std::string, int> refusals;
};

std::atomic<int64_t> g_started{0};  // when the current file began (ms since the epoch of Clock), 0 idle
std::string g_current;               // where the current input is kept

void Watch()
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const int64_t started = g_started.load();
        const int64_t now =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
        if (started && now - started > kHangSeconds * 1000) {
            std::fprintf(stderr, "fuzz_media: HANG on %s (kept)\n", g_current.c_str());
            _exit(3);
        }
    }
}

std::string FirstSentence(const std::string& text)
{
    const size_t end = text.find_first_of(".:(");
    return text.substr(0, end == std::string::npos ? text.size() : end);
}

// The picture's whole path but the upload; true when it would be shown.
bool TryPicture(const std::string& path, std::string& why)
{
    PreparedPicture picture;
    return PreparePicture(path.c_str(), kLargestPictureSide, &picture, &why);
}

// The music's path: the player's window opens it and it plays to its end.
bool TryMusic(const std::string& path, std::string& why)
{
    HWND mci = MCIWndCreateA(nullptr, nullptr, MCIWNDF_NOERRORDLG | MCIWNDF_NOTIFYMODE, path.c_str());
    if (!mci) {
        why = "no window";
        return false;
    }
    const bool playable = MCIWndCanPlay(mci);
    why = MCIWndGetErrorA(mci);
    if (playable && MCIWndPlay(mci) == 0) {
        while (MCIWndGetMode(mci) == MCI_MODE_PLAY)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        MCIWndGetPosition(mci);
    }
    MCIWndDestroy(mci);
    return playable;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SEEDS_FOLDER COUNT [RANDOM_SEED [KEEP_FOLDER]]\n", argv[0]);
        return 2;
    }
    const int count = std::atoi(argv[2]);
    Random random{argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1};
    std::vector<std::pair<std::string, std::string>> seeds;  // extension, bytes
    for (const auto& entry : fs::directory_iterator(argv[1])) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        seeds.emplace_back(entry.path().extension().string(), bytes.str());
    }
    std::sort(seeds.begin(), seeds.end());
    if (seeds.empty())
        return 2;
    const std::string scratch = MakeProcessTempFolder("pv-fuzz");
    const std::string keep = argc > 4 ? argv[4] : scratch;
    if (scratch.empty() || (argc > 4 && !fs::is_directory(keep)))
        return 2;
    AfxInitToolkit(0, nullptr);
    std::thread(Watch).detach();

    std::map<std::string, Tally> tallies;
    for (int i = 0; i < count; ++i) {
        const auto& [ext, seed] = seeds[random.Below(seeds.size())];
        const std::string input = Mutated(seed, random);
        // One input kept at a time: the one being tried.
        if (!g_current.empty() && g_current != keep + "/current" + ext)
            fs::remove(g_current);
        g_current = keep + "/current" + ext;
        std::ofstream(g_current, std::ios::binary) << input;
        const auto begun = Clock::now();
        g_started = std::chrono::duration_cast<std::chrono::milliseconds>(begun.time_since_epoch()).count();
        std::string why;
        const bool usable = IsPicture(ext) ? TryPicture(g_current, why) : TryMusic(g_current, why);
        g_started = 0;
        Tally& t = tallies[ext];
        ++t.tried;
        t.usable += usable;
        if (!usable)
            ++t.refusals[FirstSentence(why)];
        t.slowest = std::max(t.slowest, std::chrono::duration<double>(Clock::now() - begun).count());
    }
    fs::remove(g_current);
    ShutdownSound();
    int total = 0;
    std::printf("fuzz_media: %d files, no crash, no hang\n", count);
    for (const auto& [ext, t] : tallies) {
        total += t.tried;
        std::printf("  %-5s %5d tried, %5d loaded or played, %5d refused, slowest %.3f s\n", ext.c_str(), t.tried,
                    t.usable, t.tried - t.usable, t.slowest);
        for (const auto& [reason, n] : t.refusals)
            std::printf("          %5d  %s\n", n, reason.c_str());
    }
    fs::remove_all(scratch);
    return total == count ? 0 : 1;
}
