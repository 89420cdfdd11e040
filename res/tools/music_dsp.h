// Small DSP building blocks for the music generator: a table oscillator, a
// fixed-seed random source, filters, a plate-like reverb and a loop buffer.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace music {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// Sine by table lookup on a 32-bit phase accumulator.
class SineTable {
public:
    SineTable()
    {
        for (int i = 0; i <= kSize; ++i)
            table_[i] = static_cast<float>(std::sin(2.0 * kPi * i / kSize));
    }

    float At(uint32_t phase) const
    {
        const float *entry = table_ + (phase >> kFracBits);
        const float frac = static_cast<float>(phase & kFracMask) * (1.0f / (kFracMask + 1.0f));
        return entry[0] + (entry[1] - entry[0]) * frac;
    }

    static uint32_t Step(double hz) { return static_cast<uint32_t>(hz / kRate * 4294967296.0); }

private:
    static constexpr int kBits = 13;
    static constexpr int kSize = 1 << kBits;
    static constexpr int kFracBits = 32 - kBits;
    static constexpr uint32_t kFracMask = (1u << kFracBits) - 1u;
    float table_[kSize + 1] = {};
};

inline const SineTable &Sine()
{
    static const SineTable table;
    return table;
}

// Linear congruential source: the same numbers on every platform.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed) {}

    uint32_t Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_;
    }

    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }

    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

private:
    uint32_t state_;
};

inline double MidiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Constant-power pan; pan in [-1, 1].
struct Gains {
    float left;
    float right;
};

inline Gains Pan(double pan)
{
    const double angle = (pan + 1.0) * kPi / 4.0;
    return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

// Stereo sample buffer that is one loop long; writes wrap around its end.
struct LoopBuffer {
    explicit LoopBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

    std::size_t Frames() const { return left.size(); }

    void Mix(const LoopBuffer &other, float gain)
    {
        if (gain == 0.0f)
            return;
        float *l = left.data();
        float *r = right.data();
        const float *ol = other.left.data();
        const float *or_ = other.right.data();
        for (std::size_t i = 0, n = left.size(); i < n; ++i) {
            l[i] += ol[i] * gain;
            r[i] += or_[i] * gain;
        }
    }

    std::vector<float> left;
    std::vector<float> right;
};

// Runs a stateful per-frame process over the loop twice and keeps the second
// pass, so every filter tail that leaves the end comes back in at the start.
template <typename Process>
void ProcessLooped(LoopBuffer &buffer, Process &&process)
{
    const std::size_t n = buffer.Frames();
    float *left = buffer.left.data();
    float *right = buffer.right.data();
    for (std::size_t i = 0; i < n; ++i) {
        float l = left[i];
        float r = right[i];
        process(l, r);
    }
    for (std::size_t i = 0; i < n; ++i)
        process(left[i], right[i]);
}

class OnePoleLowpass {
public:
    void SetCutoff(double hz) { a_ = static_cast<float>(1.0 - std::exp(-2.0 * kPi * hz / kRate)); }
    float Run(float x)
    {
        y_ += a_ * (x - y_);
        return y_;
    }

private:
    float a_ = 1.0f;
    float y_ = 0.0f;
};

// State-variable filter (Chamberlin), band-pass and low-pass outputs.
class StateVariable {
public:
    void Set(double hz, double q)
    {
        f_ = static_cast<float>(2.0 * std::sin(kPi * hz / kRate));
        damp_ = static_cast<float>(1.0 / q);
    }

    float BandPass(float x)
    {
        Run(x);
        return band_;
    }

    float LowPass(float x)
    {
        Run(x);
        return low_;
    }

private:
    void Run(float x)
    {
        low_ += f_ * band_;
        const float high = x - low_ - damp_ * band_;
        band_ += f_ * high;
    }

    float f_ = 0.1f;
    float damp_ = 1.0f;
    float low_ = 0.0f;
    float band_ = 0.0f;
};

class Delay {
public:
    explicit Delay(std::size_t length) : line_(length, 0.0f), data_(line_.data()), size_(length) {}
    Delay(const Delay &other) : Delay(other.size_) {}
    Delay &operator=(const Delay &) = delete;

    float Read() const { return data_[pos_]; }

    void Write(float x)
    {
        data_[pos_] = x;
        if (++pos_ == size_)
            pos_ = 0;
    }

private:
    std::vector<float> line_;
    float *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Feedback comb with a damping low-pass in the loop.
class Comb {
public:
    Comb(std::size_t length, float feedback, float damp) : line_(length), feedback_(feedback), damp_(damp) {}

    float Run(float x)
    {
        const float out = line_.Read();
        store_ = out * (1.0f - damp_) + store_ * damp_;
        line_.Write(x + store_ * feedback_);
        return out;
    }

private:
    Delay line_;
    float feedback_;
    float damp_;
    float store_ = 0.0f;
};

class Allpass {
public:
    explicit Allpass(std::size_t length) : line_(length) {}

    float Run(float x)
    {
        const float buffered = line_.Read();
        line_.Write(x + buffered * 0.5f);
        return buffered - x;
    }

private:
    Delay line_;
};

// Parallel combs into series allpasses, one set per channel with slightly
// different lengths for width.
class Reverb {
public:
    Reverb(float feedback, float damp)
    {
        static const std::size_t kCombs[] = {558, 594, 638, 678, 711, 745, 778, 808};
        static const std::size_t kAllpasses[] = {278, 220, 170, 112};
        constexpr std::size_t kSpread = 11;
        // Alternate which side gets the longer line so neither side is favoured.
        for (std::size_t i = 0; i < std::size(kCombs); ++i) {
            const std::size_t shift = i % 2 == 0 ? kSpread : 0;
            combsL_.emplace_back(kCombs[i] + kSpread - shift, feedback, damp);
            combsR_.emplace_back(kCombs[i] + shift, feedback, damp);
        }
        for (std::size_t len : kAllpasses) {
            allpassL_.emplace_back(len);
            allpassR_.emplace_back(len + kSpread);
        }
    }

    void Run(float inL, float inR, float &outL, float &outR)
    {
        const float in = (inL + inR) * 0.5f;
        float l = 0.0f;
        float r = 0.0f;
        for (std::size_t i = 0; i < combsL_.size(); ++i) {
            l += combsL_[i].Run(in);
            r += combsR_[i].Run(in);
        }
        for (std::size_t i = 0; i < allpassL_.size(); ++i) {
            l = allpassL_[i].Run(l);
            r = allpassR_[i].Run(r);
        }
        outL = l;
        outR = r;
    }

private:
    std::vector<Comb> combsL_;
    std::vector<Comb> combsR_;
    std::vector<Allpass> allpassL_;
    std::vector<Allpass> allpassR_;
};

} // namespace music
