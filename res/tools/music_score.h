// The composition: twelve bars in D major at 72 beats per minute, three
// four-bar phrases (statement, answer, bridge back to the start).
#pragma once

#include <vector>

namespace music {

constexpr int kBeatsPerBar = 4;
constexpr int kBars = 12;
constexpr int kFramesPerBeat = 18375; // 72 bpm at 22050 Hz
constexpr int kLoopFrames = kBars * kBeatsPerBar * kFramesPerBeat;

// MIDI note numbers.
enum Note : int {
    A1 = 33, B1 = 35, Cs2 = 37, D2 = 38, E2 = 40, Fs2 = 42, G2 = 43, A2 = 45,
    D3 = 50, E3 = 52, Fs3 = 54, G3 = 55, A3 = 57, B3 = 59, Cs4 = 61, D4 = 62, E4 = 64, Fs4 = 66,
    A4 = 69, B4 = 71, D5 = 74, E5 = 76, Fs5 = 78, A5 = 81, B5 = 83, D6 = 86,
};

struct Chord {
    int voices[4]; // pad voicing
    int root;      // bass root
    int fifth;     // bass passing note
};

const Chord kDmaj7 = {{D3, A3, Cs4, Fs4}, D2, A2};
const Chord kBm7 = {{Fs3, A3, B3, D4}, B1, Fs2};
const Chord kGmaj7 = {{G3, B3, D4, Fs4}, G2, D2};
const Chord kAsus = {{E3, A3, D4, E4}, A1, E2};
const Chord kA = {{E3, A3, Cs4, E4}, A1, E2};
const Chord kEm7 = {{E3, G3, B3, D4}, E2, B1};
const Chord kFsm7 = {{Fs3, A3, Cs4, E4}, Fs2, Cs2};

// One chord per bar.
const Chord kChords[kBars] = {
    kDmaj7, kBm7, kGmaj7, kA,
    kDmaj7, kBm7, kGmaj7, kAsus,
    kEm7, kFsm7, kGmaj7, kAsus,
};

// A melodic event; times are in beats from the start of the loop.
struct Event {
    double start;
    double length;
    int note;
    double velocity;
};

// Melody on the D major pentatonic, written bar by bar in eighth notes.
inline std::vector<Event> Melody()
{
    struct Step {
        int bar;
        int eighth;
        int length;
        int note;
        double velocity;
    };
    static const Step kSteps[] = {
        // Statement: falls from A to the tonic and rests on E.
        {0, 0, 3, A5, 0.9}, {0, 3, 1, Fs5, 0.6}, {0, 4, 2, E5, 0.75}, {0, 6, 2, Fs5, 0.7},
        {1, 0, 4, D5, 0.85}, {1, 4, 2, B4, 0.6}, {1, 6, 2, D5, 0.7},
        {2, 0, 3, E5, 0.85}, {2, 3, 1, D5, 0.55}, {2, 4, 2, B4, 0.7}, {2, 6, 2, A4, 0.65},
        {3, 0, 6, E5, 0.8}, {3, 7, 1, A4, 0.5},
        // Answer: the same opening, climbing to the high D, settling on D.
        {4, 0, 3, A5, 0.9}, {4, 3, 1, B5, 0.6}, {4, 4, 2, A5, 0.75}, {4, 6, 2, Fs5, 0.7},
        {5, 0, 3, D6, 0.95}, {5, 3, 1, B5, 0.6}, {5, 4, 4, A5, 0.8},
        {6, 0, 2, B5, 0.8}, {6, 2, 2, A5, 0.7}, {6, 4, 2, Fs5, 0.7}, {6, 6, 2, E5, 0.65},
        {7, 0, 6, D5, 0.85},
        // Bridge: lower and quieter, then a rising turn that leads back to A.
        {8, 0, 2, B4, 0.7}, {8, 2, 2, D5, 0.65}, {8, 4, 4, E5, 0.8},
        {9, 0, 3, Fs5, 0.8}, {9, 3, 1, A5, 0.6}, {9, 4, 2, Fs5, 0.7}, {9, 6, 2, E5, 0.65},
        {10, 0, 2, D5, 0.75}, {10, 2, 2, B4, 0.6}, {10, 4, 2, D5, 0.7}, {10, 6, 2, E5, 0.7},
        {11, 0, 4, Fs5, 0.8}, {11, 4, 2, E5, 0.6}, {11, 6, 2, Fs5, 0.55},
    };
    std::vector<Event> events;
    for (const Step &s : kSteps)
        events.push_back({s.bar * kBeatsPerBar + s.eighth * 0.5, s.length * 0.5, s.note, s.velocity});
    return events;
}

// Soft broken chords an octave above the pad in the answer and the bridge.
inline std::vector<Event> Arpeggio()
{
    static const int kAnswerOrder[] = {0, 2, 1, 3};       // off-beat quarters
    static const int kBridgeOrder[] = {0, 1, 2, 3, 2, 1}; // eighths from beat two
    std::vector<Event> events;
    for (int bar = 4; bar < 8; ++bar) {
        const Chord &c = kChords[bar];
        for (int q = 0; q < 4; ++q)
            events.push_back({bar * kBeatsPerBar + q + 0.5, 1.0, c.voices[kAnswerOrder[q]] + 12, 0.5});
    }
    for (int bar = 8; bar < kBars; ++bar) {
        const Chord &c = kChords[bar];
        for (int e = 0; e < 6; ++e) {
            const double velocity = e == 0 ? 0.55 : 0.4;
            events.push_back({bar * kBeatsPerBar + 1.0 + e * 0.5, 0.5, c.voices[kBridgeOrder[e]] + 12, velocity});
        }
    }
    return events;
}

// Bass: a held root, with a passing fifth from the answer on.
inline std::vector<Event> Bass()
{
    std::vector<Event> events;
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord &c = kChords[bar];
        const double start = bar * kBeatsPerBar;
        if (bar < 4) {
            events.push_back({start, 3.8, c.root, 0.9});
        } else {
            events.push_back({start, 2.8, c.root, 0.9});
            events.push_back({start + 3.0, 0.9, c.fifth, 0.6});
        }
    }
    return events;
}

} // namespace music
