// What a fish class tells the fish template (CFishModel): its constants, the
// order of its constructor's random draws, its wave generators in call order
// and its mesh parts. Each class keeps one constexpr FishClass beside its
// tables; CheckFishClass verifies it at compile time.
#pragma once
#include "fish/fish_meshes.h"

#include <cstdint>
#include <initializer_list>
#include <span>

class CFishModel;

constexpr int kFishMaxSegments = 26;     // longest bend run of any class
constexpr int kFishMaxWaves = 14;        // most wave blocks of any class
constexpr int kFishMaxArrays = 12;       // working arrays of one Draw
constexpr int kFishMaxArrayLength = 32;  // entries of one working array

// One oscillator: phase (radians), calls since the phase last advanced, wave
// number (radians per entry), amplitude (a ramp's slope), phase step (radians).
struct FishWave {
    float phase = 0.0f;
    int counter = 0;
    float waveNumber = 0.0f;
    float amplitude = 0.0f;
    float phaseStep = 0.0f;
};

// The working arrays of one Draw, zeroed at its start.
struct FishFrame {
    float arrays[kFishMaxArrays][kFishMaxArrayLength] = {};
    float* operator[](int array) { return arrays[array]; }
    const float* operator[](int array) const { return arrays[array]; }
};

// ---- wave generators -------------------------------------------------------

enum class WaveKind : uint8_t {
    Sine,         // gain x amplitude x sin(i k + phase)
    Growing,      // sin(i k + phase) x i x gain
    BodyWave,     // 0 below start, else gain x (i - start) x 0.5 x sin(i k + phase)
    Mirrored,     // the sine up to start; out[start] again up to end; then out[start + end - i]
    Ramp,         // 0 while the stroke flag is set, else i x slope (the block's amplitude)
    ReverseRamp,  // 0 while the stroke flag is set, else (n - i) x slope
    Bend,         // CFishModel::ComputeBendToHeading toward the target heading
};

// One generator call of a class's Draw.
struct WaveGen {
    WaveKind kind = WaveKind::Sine;
    int block = 0;    // the wave block it owns
    int array = 0;    // the working array it fills
    int count = 0;    // entries it fills
    int cadence = 5;  // the phase advances when the counter's old value exceeds this (5: every 7th call)
    float gain = 1.0f;
    int start = 0;  // BodyWave: first moving entry; Mirrored: first held entry
    int end = 0;    // Mirrored: last held entry
    bool timesSize = false;  // the values are multiplied by the fish's size
    uint32_t pinned = 0;     // bit i: entry i forced to 0
    // Ramps: after filling, the block's counter counts the call and the stroke
    // flag flips when its old value exceeds toggleAfter (plus rand() % toggleJitter,
    // drawn at every call when the jitter is not 0); -1: no toggle.
    int toggleAfter = -1;
    int toggleJitter = 0;
    uint32_t skipVariants = 0;  // bit v: not called in draw variant v
    // By hand, after the values are made (before the toggle counts).
    void (*post)(CFishModel& fish, float* out, int n) = nullptr;
};

// ---- mesh parts ------------------------------------------------------------

constexpr int kDriftArray = -2;  // a Track on it reads the fish's drift value

// The point of a part being sent: strip (rows strip and strip + 1), row, column,
// and whether this is a y-negated pass.
struct GridPoint {
    int strip = 0;
    int row = 0;
    int column = 0;
    bool mirrored = false;
};

using TrackFn = float (*)(const CFishModel& fish, const FishFrame& frame, const GridPoint& point);

// Where a part reads a value for column c: one entry of a working array (or
// the mean of two), the entry first + c, a straight line from one such point
// to another over `steps` columns, or a small function written by hand.
struct Track {
    enum Mode : uint8_t { kNone, kFixed, kColumn, kLerp, kHook };
    int array = 0;
    Mode mode = kNone;
    int a = 0, a2 = 0;  // the first point: mean of entries a and a2
    int b = 0, b2 = 0;  // kLerp: the second point
    int steps = 1;      // kLerp: columns from the first point to the second
    TrackFn hook = nullptr;
};

constexpr uint16_t kAllRows = 0xFFFF;

// A wave offset: track value times (x, y, z) added to a point's coordinates.
struct WaveTerm {
    Track track = {};
    float x = 0.0f, y = 0.0f, z = 0.0f;
    uint16_t rows = kAllRows;  // bit r: applies to row r
    bool scaled = true;        // added before the size multiplies the point (false: after)
    float mirrorSign = 1.0f;   // its sign in a y-negated pass (-1: negated with y)
};

enum class Mirror : uint8_t {
    None,
    Halves,  // each strip twice in a row: as stored, then with y negated
    Twin,    // only the y-negated pass (the twin of another part)
};

// One grid part: its strips join rows r and r + 1, point c of both rows per
// column; wave offsets are added after a y negation (unless mirrorSign says otherwise).
struct GridPart {
    const char* name = "";
    FishMesh mesh = {};
    Mirror mirror = Mirror::None;
    Track turn = {};  // rotation about z in degrees; kNone keeps the part matrix as it is
    WaveTerm terms[4] = {};
    // By hand: adds to the point's offset in size-1 units (multiplied by the size with the point).
    void (*offsetHook)(const CFishModel& fish, const FishFrame& frame, const GridPoint& point, float offset[3]) = nullptr;
    bool emptyQuadsFirst = false;  // an empty GL_QUADS pair before the strips
    uint32_t hiddenInVariants = 0;
    int (*drawnColumns)(int variant) = nullptr;  // fewer columns in some variants
};

// ---- helpers of the descriptions (a class's .cpp opens the namespace) -------

namespace fishdef {

constexpr Track At(int array, int i) { return {array, Track::kFixed, i, i}; }
constexpr Track MeanOf(int array, int i, int j) { return {array, Track::kFixed, i, j}; }
constexpr Track ByColumn(int array, int first = 0) { return {array, Track::kColumn, first, first}; }
constexpr Track Lerp(int array, int from, int to, int steps) { return {array, Track::kLerp, from, from, to, to, steps}; }
constexpr Track LerpMeans(int array, int from, int from2, int to, int to2, int steps)
{
    return {array, Track::kLerp, from, from2, to, to2, steps};
}
constexpr Track DriftValue() { return {kDriftArray, Track::kFixed}; }
constexpr Track ByHand(TrackFn hook) { return {.mode = Track::kHook, .hook = hook}; }

constexpr uint16_t RowBit(int row) { return static_cast<uint16_t>(1u << row); }

// Terms in common use: the value added to y (sideways) or z (up), or to any
// coordinates, times the size.
constexpr WaveTerm AddY(Track t, uint16_t rows = kAllRows) { return {t, 0, 1, 0, rows}; }
constexpr WaveTerm AddZ(Track t, uint16_t rows = kAllRows, float factor = 1) { return {t, 0, 0, factor, rows}; }
constexpr WaveTerm Add(Track t, float x, float y, float z, uint16_t rows = kAllRows) { return {t, x, y, z, rows}; }

// The y-negated twin of a part, with the same waves.
constexpr GridPart TwinOf(GridPart part, const char* name)
{
    part.name = name;
    part.mirror = Mirror::Twin;
    return part;
}

constexpr uint32_t VariantMask(std::initializer_list<int> variants)
{
    uint32_t mask = 0;
    for (int v : variants)
        mask |= 1u << v;
    return mask;
}

}  // namespace fishdef

// ---- the class -------------------------------------------------------------

// One rand() draw of the constructor, in order.
struct RandDraw {
    enum What : uint8_t { kDiscard, kPitch, kCounter, kWanderTimer };
    What what = kDiscard;
    int modulus = 1;
    int block = 0;  // kCounter: whose counter
};

// One block set by SetSwimStyle; m is 1.5 for a target speed of 0.05 or more, else 1.
struct SwimStyleRow {
    int block = 0;
    float waveNumber = 0.0f;
    float amplitude = 0.0f;
    bool amplitudeTimesM = true;
    float phaseStep = 0.0f;
    bool stepTimesM = true;
};

struct VariantScale {
    int variant = 0;
    float x = 1.0f, y = 1.0f, z = 1.0f;
};

struct FishClass {
    const char* name = "";
    int segments = 0;  // bend run
    std::span<const FishWave> waves = {};
    std::span<const RandDraw> draws = {};
    float speed = 0.05f;
    float bodyDims[3] = {};  // length, width, height at size 1
    bool drift = true;
    bool whiteFirst = false;  // Draw sets the current colour to white before the parts
    std::span<const SwimStyleRow> swimStyle = {};
    std::span<const WaveGen> plan = {};  // in call order, the bend included
    std::span<const VariantScale> scales = {};
    std::span<const GridPart> parts = {};  // in drawing order
};

// Compile-time check of a description: every index within its run, and every
// track inside the entries that the plan fills (an array no generator fills
// reads as zeros).
constexpr int TrackEnd(const Track& t, int columns)
{
    auto most = [](int p, int q) { return p > q ? p : q; };
    switch (t.mode) {
    case Track::kFixed:
        return most(t.a, t.a2) + 1;
    case Track::kColumn:
        return t.a + columns;
    case Track::kLerp:
        return most(most(t.a, t.a2), most(t.b, t.b2)) + 1;
    default:
        return 0;
    }
}

constexpr bool CheckFishClass(const FishClass& c)
{
    if (c.segments < 1 || c.segments > kFishMaxSegments || c.waves.size() > kFishMaxWaves)
        return false;
    const int waves = static_cast<int>(c.waves.size());
    for (const RandDraw& d : c.draws)
        if (d.modulus < 1 || (d.what == RandDraw::kCounter && (d.block < 0 || d.block >= waves)))
            return false;
    for (const SwimStyleRow& r : c.swimStyle)
        if (r.block < 0 || r.block >= waves)
            return false;
    int filled[kFishMaxArrays] = {};
    for (const WaveGen& g : c.plan) {
        if (g.array < 0 || g.array >= kFishMaxArrays || g.count < 1 || g.count > kFishMaxArrayLength)
            return false;
        if (g.kind == WaveKind::Bend ? g.count > c.segments : (g.block < 0 || g.block >= waves))
            return false;
        if (g.kind == WaveKind::Mirrored && !(g.start <= g.end && g.count <= g.start + g.end + 1))
            return false;
        filled[g.array] = g.count > filled[g.array] ? g.count : filled[g.array];
    }
    auto trackOk = [&](const Track& t, int columns) {
        if (t.mode == Track::kNone || t.mode == Track::kHook)
            return true;
        if (t.array == kDriftArray)
            return t.mode == Track::kFixed;
        if (t.array < 0 || t.array >= kFishMaxArrays || t.a < 0 || t.a2 < 0 || t.b < 0 || t.b2 < 0 || t.steps < 1)
            return false;
        const int limit = filled[t.array] ? filled[t.array] : kFishMaxArrayLength;
        return TrackEnd(t, columns) <= limit;
    };
    for (const GridPart& p : c.parts) {
        const FishMesh& m = p.mesh;
        if (m.rows < 2 || m.rows > 16 || m.columns < 1 || m.columns > kFishMaxArrayLength)
            return false;
        if (!trackOk(p.turn, m.columns))
            return false;
        for (const WaveTerm& t : p.terms)
            if (!trackOk(t.track, m.columns))
                return false;
    }
    return true;
}
