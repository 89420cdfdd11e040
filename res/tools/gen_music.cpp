// Writes the built-in background music: a calm underwater piece that loops
// without a seam. Usage: gen_music <output.wav>
#include "music_dsp.h"
#include "music_score.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

using namespace music;

namespace {

// The mix before the effects: a dry bus and two effect sends.
struct Buses {
    LoopBuffer dry{kLoopFrames};
    LoopBuffer reverb{kLoopFrames};
    LoopBuffer echo{kLoopFrames};

    // Adds one instrument's stem to the dry bus and, scaled, to the sends.
    void Send(const LoopBuffer &stem, float reverbSend, float echoSend)
    {
        dry.Mix(stem, 1.0f);
        reverb.Mix(stem, reverbSend);
        echo.Mix(stem, echoSend);
    }
};

// Renders one mono voice of `frames` samples from `sample(i)` into a stem,
// wrapping past the loop end.
template <typename Sample>
void AddVoice(LoopBuffer &stem, std::size_t start, std::size_t frames, Gains pan, Sample &&sample)
{
    float *left = stem.left.data();
    float *right = stem.right.data();
    const std::size_t size = stem.Frames();
    std::size_t pos = start % size;
    for (std::size_t i = 0; i < frames; ++i) {
        const float s = sample(i);
        left[pos] += s * pan.left;
        right[pos] += s * pan.right;
        if (++pos == size)
            pos = 0;
    }
}

std::size_t BeatFrame(double beats) { return static_cast<std::size_t>(std::lround(beats * kFramesPerBeat)); }

// Position in the loop of a time in beats; times before the start wrap to the end.
std::size_t LoopFrame(double beats)
{
    const long frame = std::lround(beats * kFramesPerBeat) % kLoopFrames;
    return static_cast<std::size_t>(frame < 0 ? frame + kLoopFrames : frame);
}

float Seconds(std::size_t frames) { return static_cast<float>(frames) / kRate; }

// Raised-cosine fade from 0 to 1 over `length` seconds.
float FadeIn(float t, float length)
{
    if (t >= length)
        return 1.0f;
    return 0.5f - 0.5f * std::cos(static_cast<float>(kPi) * t / length);
}

// Per-frame gain factor of an exponential decay with time constant `seconds`.
float DecayPerFrame(float seconds) { return static_cast<float>(std::exp(-1.0 / (seconds * kRate))); }

// Slow periodic modulation with a whole number of cycles per loop.
float LoopLfo(std::size_t frame, int cycles, double phase)
{
    const double t = static_cast<double>(frame % kLoopFrames) / kLoopFrames;
    return static_cast<float>(std::sin(2.0 * kPi * (cycles * t + phase)));
}

// Warm pad: two detuned additive saw-like voices per chord tone whose upper
// partials open and close slowly.
void AddPad(Buses &buses, Rng &rng)
{
    LoopBuffer stem(kLoopFrames);
    constexpr int kPartials = 5;
    constexpr float kAttack = 1.4f;
    constexpr float kRelease = 2.2f;
    constexpr int kBlock = 32;
    static const double kDetune[] = {-0.06, 0.06};
    static const double kPans[] = {-0.6, 0.6};
    const SineTable &sine = Sine();

    for (int bar = 0; bar < kBars; ++bar) {
        const std::size_t start = LoopFrame(bar * kBeatsPerBar - 0.25);
        const std::size_t hold = static_cast<std::size_t>(kBeatsPerBar * kFramesPerBeat);
        const std::size_t frames = hold + static_cast<std::size_t>(kRelease * kRate);
        const std::size_t attackFrames = static_cast<std::size_t>(kAttack * kRate);
        for (int note : kChords[bar].voices) {
            for (int d = 0; d < 2; ++d) {
                const uint32_t step = SineTable::Step(MidiHz(note + kDetune[d]));
                uint32_t phase = rng.Next();
                float amp[kPartials] = {};
                AddVoice(stem, start, frames, Pan(kPans[d]), [&](std::size_t i) {
                    if (i % kBlock == 0) {
                        const float bright = 0.42f + 0.12f * LoopLfo(start + i, 3, 0.1 * d) +
                                             0.1f * (1.0f - FadeIn(Seconds(i), 2.5f));
                        float a = 1.0f;
                        for (int n = 0; n < kPartials; ++n) {
                            amp[n] = a / static_cast<float>(n + 1);
                            a *= bright;
                        }
                    }
                    float s = 0.0f;
                    for (int n = 0; n < kPartials; ++n)
                        s += amp[n] * sine.At(phase * static_cast<uint32_t>(n + 1));
                    phase += step;
                    float env = i < attackFrames ? FadeIn(Seconds(i), kAttack) : 1.0f;
                    if (i >= hold)
                        env *= 1.0f - FadeIn(Seconds(i - hold), kRelease);
                    return s * env * 0.055f;
                });
            }
        }
    }
    buses.Send(stem, 0.55f, 0.0f);
}

// Bell-like pluck with a few partials that die away faster the higher they are.
struct Partial {
    double ratio;
    float amp;
    float decay; // seconds
};

constexpr std::size_t kMaxPartials = 4;
using Timbre = std::vector<Partial>; // at most kMaxPartials entries are played

// A pluck rings freely while held, then is damped with time constant `damp`.
void AddPluck(LoopBuffer &stem, const Event &e, double detuneCents, Gains pan, const Timbre &timbre, float gain,
              float damp)
{
    constexpr float kAttack = 0.004f;
    constexpr float kTail = 0.2f;
    constexpr double kCeilingHz = 2500.0;
    const SineTable &sine = Sine();
    const double hz = MidiHz(e.note + detuneCents / 100.0);
    const std::size_t held = BeatFrame(e.length);
    const std::size_t frames = held + static_cast<std::size_t>((5.0f * damp + kTail) * kRate);
    const std::size_t tailStart = frames - static_cast<std::size_t>(kTail * kRate);
    const std::size_t count = std::min(timbre.size(), kMaxPartials);
    uint32_t steps[kMaxPartials] = {};
    uint32_t phases[kMaxPartials] = {};
    float amps[kMaxPartials] = {};
    float decays[kMaxPartials] = {};
    for (std::size_t k = 0; k < count; ++k) {
        const double partialHz = hz * timbre[k].ratio;
        steps[k] = SineTable::Step(partialHz);
        // Partials above the soft ceiling are tamed so high notes stay round.
        amps[k] = timbre[k].amp * static_cast<float>(std::min(1.0, kCeilingHz / partialHz));
        decays[k] = DecayPerFrame(timbre[k].decay);
    }
    const float level = gain * static_cast<float>(e.velocity);
    const float dampStep = DecayPerFrame(damp);
    const std::size_t attackFrames = static_cast<std::size_t>(kAttack * kRate);
    float damping = level;
    AddVoice(stem, LoopFrame(e.start), frames, pan, [&](std::size_t i) {
        float s = 0.0f;
        for (std::size_t k = 0; k < count; ++k) {
            s += amps[k] * sine.At(phases[k]);
            amps[k] *= decays[k];
            phases[k] += steps[k];
        }
        if (i > held)
            damping *= dampStep;
        float env = damping;
        if (i < attackFrames)
            env *= FadeIn(Seconds(i), kAttack);
        if (i >= tailStart)
            env *= 1.0f - FadeIn(Seconds(i - tailStart), kTail);
        return s * env;
    });
}

void AddMelody(Buses &buses, Rng &rng)
{
    const Timbre bell = {{1.0, 1.0f, 1.6f}, {2.0, 0.3f, 0.7f}, {3.0, 0.1f, 0.35f}, {5.4, 0.04f, 0.12f}};
    LoopBuffer stem(kLoopFrames);
    for (Event e : Melody()) {
        e.start += rng.Range(-0.012, 0.012);
        const Gains pan = Pan(rng.Range(0.05, 0.3));
        AddPluck(stem, e, rng.Range(-2.0, 2.0), pan, bell, 0.2f, 0.45f);
    }
    buses.Send(stem, 0.5f, 0.35f);
}

void AddArpeggio(Buses &buses, Rng &rng)
{
    const Timbre marimba = {{1.0, 1.0f, 0.8f}, {4.0, 0.18f, 0.08f}};
    LoopBuffer stem(kLoopFrames);
    double side = -0.55;
    for (Event e : Arpeggio()) {
        e.start += rng.Range(-0.01, 0.01);
        AddPluck(stem, e, 0.0, Pan(side), marimba, 0.12f, 0.3f);
        side = -side;
    }
    buses.Send(stem, 0.6f, 0.15f);
}

void AddBass(Buses &buses)
{
    constexpr float kAttack = 0.08f;
    constexpr float kRelease = 0.5f;
    const SineTable &sine = Sine();
    LoopBuffer stem(kLoopFrames);
    for (const Event &e : Bass()) {
        const uint32_t step = SineTable::Step(MidiHz(e.note));
        const std::size_t held = BeatFrame(e.length);
        const std::size_t frames = held + static_cast<std::size_t>(kRelease * kRate);
        uint32_t phase = 0;
        const float level = 0.17f * static_cast<float>(e.velocity);
        const float fall = DecayPerFrame(1.5f);
        float body = 1.0f;
        AddVoice(stem, LoopFrame(e.start), frames, Pan(0.0), [&](std::size_t i) {
            const float t = Seconds(i);
            const float s = sine.At(phase) + 0.3f * sine.At(phase * 2u) + 0.08f * sine.At(phase * 3u);
            phase += step;
            float env = FadeIn(t, kAttack) * (0.7f + 0.3f * body);
            body *= fall;
            if (i >= held)
                env *= 1.0f - FadeIn(Seconds(i - held), kRelease);
            return s * env * level;
        });
    }
    buses.Send(stem, 0.2f, 0.0f);
}

// Filtered noise like moving water: a low swell and a faint high shimmer,
// their filters swept by slow loop-locked modulators.
void AddWater(Buses &buses)
{
    LoopBuffer water(kLoopFrames);
    Rng noise(0x5eed1234u);
    for (std::size_t i = 0; i < water.Frames(); ++i) {
        water.left[i] = static_cast<float>(noise.Range(-1.0, 1.0));
        water.right[i] = static_cast<float>(noise.Range(-1.0, 1.0));
    }
    StateVariable lowL, lowR, highL, highR;
    OnePoleLowpass softL, softR;
    softL.SetCutoff(3000.0);
    softR.SetCutoff(3000.0);
    std::size_t frame = 0;
    float swellL = 0.0f;
    float swellR = 0.0f;
    float glint = 0.0f;
    ProcessLooped(water, [&](float &l, float &r) {
        const std::size_t f = frame++ % kLoopFrames;
        if (f % 32 == 0) {
            lowL.Set(420.0 + 160.0 * LoopLfo(f, 2, 0.0), 0.8);
            lowR.Set(420.0 + 160.0 * LoopLfo(f, 2, 0.3), 0.8);
            highL.Set(1800.0 + 700.0 * LoopLfo(f, 5, 0.2), 3.0);
            highR.Set(1800.0 + 700.0 * LoopLfo(f, 5, 0.7), 3.0);
            const float lap = 0.75f + 0.25f * LoopLfo(f, 37, 0.0) * LoopLfo(f, 23, 0.4);
            swellL = (0.6f + 0.4f * LoopLfo(f, 4, 0.0)) * lap;
            swellR = (0.6f + 0.4f * LoopLfo(f, 4, 0.5)) * lap;
            glint = std::max(0.0f, LoopLfo(f, 7, 0.15)) * (0.6f + 0.4f * LoopLfo(f, 53, 0.2));
        }
        const float sl = softL.Run(l);
        const float sr = softR.Run(r);
        l = lowL.BandPass(l) * 0.08f * swellL + highL.BandPass(sl) * 0.016f * glint;
        r = lowR.BandPass(r) * 0.08f * swellR + highR.BandPass(sr) * 0.016f * glint;
    });
    buses.Send(water, 0.3f, 0.0f);
}

// Small rising blips: bubbles drifting up past the microphone.
void AddBubbles(Buses &buses, Rng &rng)
{
    constexpr int kClusters = 11;
    const SineTable &sine = Sine();
    LoopBuffer stem(kLoopFrames);
    for (int c = 0; c < kClusters; ++c) {
        double at = (c + rng.Range(0.1, 0.9)) * kLoopFrames / kClusters;
        const int count = 2 + static_cast<int>(rng.Unit() * 4);
        const double pan = rng.Range(-0.8, 0.8);
        for (int b = 0; b < count; ++b) {
            const double base = rng.Range(500.0, 1100.0);
            const float level = static_cast<float>(rng.Range(0.02, 0.045));
            const std::size_t frames = static_cast<std::size_t>(0.09 * kRate);
            uint32_t phase = 0;
            const Gains gains = Pan(pan + rng.Range(-0.15, 0.15));
            AddVoice(stem, static_cast<std::size_t>(at), frames, gains, [&](std::size_t i) {
                const float t = Seconds(i);
                phase += SineTable::Step(base * (1.0 + 6.0 * t));
                return sine.At(phase) * FadeIn(t, 0.004f) * std::exp(-t / 0.022f) * level;
            });
            at += rng.Range(0.05, 0.16) * kRate;
        }
    }
    buses.Send(stem, 0.7f, 0.1f);
}

// Ping-pong echo of three eighths, fed from the echo send.
void ApplyEcho(Buses &buses)
{
    LoopBuffer echo = buses.echo;
    Delay left(BeatFrame(1.5));
    Delay right(BeatFrame(1.5));
    OnePoleLowpass toneL, toneR;
    toneL.SetCutoff(2500.0);
    toneR.SetCutoff(2500.0);
    ProcessLooped(echo, [&](float &l, float &r) {
        const float outL = left.Read();
        const float outR = right.Read();
        left.Write(toneL.Run((l + r) * 0.5f + outR * 0.4f));
        right.Write(toneR.Run(outL * 0.4f));
        l = outL;
        r = outR;
    });
    buses.dry.Mix(echo, 0.7f);
    buses.reverb.Mix(echo, 0.3f);
}

void ApplyReverb(Buses &buses)
{
    LoopBuffer wet = buses.reverb;
    Reverb reverb(0.88f, 0.35f);
    OnePoleLowpass toneL, toneR;
    toneL.SetCutoff(4000.0);
    toneR.SetCutoff(4000.0);
    ProcessLooped(wet, [&](float &l, float &r) {
        float outL = 0.0f;
        float outR = 0.0f;
        reverb.Run(l, r, outL, outR);
        l = toneL.Run(0.85f * outL + 0.15f * outR);
        r = toneR.Run(0.85f * outR + 0.15f * outL);
    });
    buses.dry.Mix(wet, 0.045f);
}

// Gentle top-end roll-off, DC removal and normalisation to -3 dBFS peak.
std::vector<int16_t> Master(LoopBuffer mix)
{
    OnePoleLowpass toneL, toneR;
    toneL.SetCutoff(7000.0);
    toneR.SetCutoff(7000.0);
    ProcessLooped(mix, [&](float &l, float &r) {
        l = toneL.Run(l);
        r = toneR.Run(r);
    });
    for (std::vector<float> *channel : {&mix.left, &mix.right}) {
        double sum = 0.0;
        for (float s : *channel)
            sum += s;
        const float mean = static_cast<float>(sum / static_cast<double>(channel->size()));
        for (float &s : *channel)
            s -= mean;
    }
    float peak = 1e-9f;
    for (std::size_t i = 0; i < mix.Frames(); ++i)
        peak = std::max({peak, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
    const float gain = 0.7079f * 32767.0f / peak;
    std::vector<int16_t> pcm;
    pcm.reserve(mix.Frames() * 2);
    for (std::size_t i = 0; i < mix.Frames(); ++i) {
        pcm.push_back(static_cast<int16_t>(std::lround(mix.left[i] * gain)));
        pcm.push_back(static_cast<int16_t>(std::lround(mix.right[i] * gain)));
    }
    return pcm;
}

void PutLe(std::vector<unsigned char> &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xffu));
}

bool WriteWav(const char *path, const std::vector<int16_t> &pcm)
{
    constexpr uint32_t kChannels = 2;
    constexpr uint32_t kBits = 16;
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * sizeof(int16_t));
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    PutLe(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(out, 16, 4);
    PutLe(out, 1, 2); // PCM
    PutLe(out, kChannels, 2);
    PutLe(out, kRate, 4);
    PutLe(out, kRate * kChannels * kBits / 8, 4);
    PutLe(out, kChannels * kBits / 8, 2);
    PutLe(out, kBits, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLe(out, dataBytes, 4);
    for (int16_t s : pcm)
        PutLe(out, static_cast<uint16_t>(s), 2);

    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_music <output.wav>\n");
        return 2;
    }
    Buses buses;
    Rng rng(0x00c0ffeeu);
    AddPad(buses, rng);
    AddBass(buses);
    AddMelody(buses, rng);
    AddArpeggio(buses, rng);
    AddWater(buses);
    AddBubbles(buses, rng);
    ApplyEcho(buses);
    ApplyReverb(buses);
    if (!WriteWav(argv[1], Master(buses.dry))) {
        std::fprintf(stderr, "gen_music: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
