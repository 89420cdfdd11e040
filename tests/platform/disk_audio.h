// Checks of what reaches the speakers: the test body runs in a fresh copy of
// the test program with SDL's "disk" audio driver, which writes the mixed
// output (16-bit stereo) to a file that the body then reads.
#pragma once
#include "support/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

inline void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

struct Peak {
    int left = 0;
    int right = 0;
};

inline Peak PeakOf(const std::vector<int16_t>& pcm, size_t fromFrame, size_t toFrame)
{
    Peak p;
    for (size_t f = fromFrame; f < toFrame && 2 * f + 1 < pcm.size(); ++f) {
        p.left = std::max(p.left, std::abs(int(pcm[2 * f])));
        p.right = std::max(p.right, std::abs(int(pcm[2 * f + 1])));
    }
    return p;
}

inline std::vector<int16_t> ReadPcm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> pcm(bytes.size() / 2);
    std::memcpy(pcm.data(), bytes.data(), pcm.size() * 2);
    return pcm;
}

inline void UseDiskDriver(const std::string& outFile)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", outFile.c_str(), 1);
}

// Ends the child process: status 0 when `error` is empty, else 1 with the text.
[[noreturn]] inline void ExitWith(const std::string& error)
{
    if (!error.empty())
        std::fprintf(stderr, "%s\n", error.c_str());
    std::fflush(nullptr);
    std::_Exit(error.empty() ? 0 : 1);
}

// Runs `body` in a fresh copy of this test program; it passes when the body
// returns no error.
#define EXPECT_IN_CHILD(body)                                              \
    do {                                                                   \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                    \
        EXPECT_EXIT(ExitWith(body), testing::ExitedWithCode(0), "");       \
    } while (0)

// Checks a channel's peak against the expected share of the source amplitude:
// exactly zero for silence, within a few per cent otherwise.
inline std::string CheckLevel(const char* side, int peak, double share)
{
    const bool ok = share == 0.0 ? peak == 0 : std::abs(peak / kWavAmplitude - share) < 0.06;
    if (ok)
        return "";
    return std::string(side) + " peak " + std::to_string(peak) + ", expected " +
           std::to_string(share * kWavAmplitude);
}
