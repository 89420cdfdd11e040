// Small WAV files made by the tests: a 440 Hz sine, mono 16-bit PCM.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>

constexpr double kWavAmplitude = 16384.0;  // half of full scale
constexpr int kWavRate = 22050;

inline void PutLittleEndian(std::string& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// The samples of `ms` milliseconds of the sine, 16-bit little-endian.
inline std::string SinePcm(int ms)
{
    const int frames = kWavRate * ms / 1000;
    std::string data;
    for (int i = 0; i < frames; ++i) {
        const double s = kWavAmplitude * std::sin(2.0 * M_PI * 440.0 * i / kWavRate);
        PutLittleEndian(data, static_cast<uint16_t>(static_cast<int16_t>(std::lround(s))), 2);
    }
    return data;
}

// A WAV file of `ms` milliseconds; its header may claim `claimedMs` of data
// (more than the file holds) when that is given.
inline std::string SineWav(int ms, int claimedMs = -1)
{
    const std::string data = SinePcm(ms);
    const uint32_t claimed = claimedMs < 0 ? uint32_t(data.size()) : uint32_t(kWavRate * claimedMs / 1000 * 2);
    std::string wav = "RIFF";
    PutLittleEndian(wav, 36 + claimed, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);
    PutLittleEndian(wav, 1, 2);  // PCM
    PutLittleEndian(wav, 1, 2);  // mono
    PutLittleEndian(wav, kWavRate, 4);
    PutLittleEndian(wav, kWavRate * 2, 4);
    PutLittleEndian(wav, 2, 2);
    PutLittleEndian(wav, 16, 2);
    wav += "data";
    PutLittleEndian(wav, claimed, 4);
    return wav + data;
}
