// What a fish class tells the fish template (CFishModel): its constants, the
// order of its constructor's random draws, its policies (where it leaves the
// template's way), its wave generators in call order, its bend rule, its mesh
// parts and the draw program of each variant. Each class keeps one constexpr
// FishClass beside its tables; CheckFishClass verifies it at compile time.
#pragma once
#include "fish/fish_meshes.h"

#include <GL/glew.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

class CFishModel;
struct FishFrame;

constexpr int kFishMaxSegments = 26;     // longest bend run of any class
constexpr int kFishMaxWaves = 14;        // most wave blocks of any class
constexpr int kFishMaxArrays = 16;       // working arrays of one Draw
constexpr int kFishMaxArrayLength = 48;  // entries of one working array, columns of one part
constexpr int kFishMaxRows = 16;         // rows of one mesh table

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

// Bit v of a variant mask stands for draw variant v (0 to 31).
constexpr bool InVariants(uint32_t mask, int variant) { return variant >= 0 && variant < 32 && (mask >> variant) & 1u; }

// ---- wave generators -------------------------------------------------------

enum class WaveKind : uint8_t {
    Sine,         // gain x amplitude x sin(i k + phase)
    Growing,      // sin(i k + phase) x i x gain
    BodyWave,     // 0 below start, else gain x (i - start) x 0.5 x sin(i k + phase)
    Mirrored,     // the sine up to start; out[start] again up to end; then out[start + end - i] down to out[0]
    Ramp,         // 0 while the stroke flag is set, else (i + shift) x slope (the block's amplitude)
    ReverseRamp,  // 0 while the stroke flag is set, else (n - i) x slope
    ByHand,       // value(fish, block, i, n) after the shared phase step
    Bend,         // CFishModel::ComputeBendToHeading toward the target heading
};

using WaveValueFn = float (*)(const CFishModel& fish, const FishWave& block, int i, int n);

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
    bool inDouble = false;   // sines and products (the size's too) in double precision, stored as float
    // Growing and BodyWave: each moving entry's factor (i x gain, (i - start) x
    // gain) is written into the block's amplitude as the values are made.
    bool writesAmplitude = false;
    uint64_t pinned = 0;      // bit i: entry i forced to 0
    float lastTimes = 1.0f;   // the last entry multiplied by this after the pins
    int shift = 0;            // Ramp: (i + shift) x slope
    int leaveLast = 0;        // ramps: the last entries are not ramped, they are 0
    float slope = 0.0f;       // ramps: a constant slope, read instead of the block's amplitude (0: none)
    // Ramps: after filling, the block's counter (or the class's shared counter)
    // counts the call and the stroke flag flips when its old value exceeds
    // toggleAfter (plus rand() % toggleJitter, drawn at every call when the
    // jitter is not 0); -1: no toggle.
    int toggleAfter = -1;
    int toggleJitter = 0;
    int* sharedCounter = nullptr;  // one counter for every fish of the class
    uint32_t skipVariants = 0;     // bit v: not called in draw variant v
    WaveValueFn value = nullptr;   // ByHand
    // By hand, after the values are made (before the toggle counts).
    void (*post)(CFishModel& fish, float* out, int n) = nullptr;
};

// How the heading and the segments follow a new target heading.
struct BendRule {
    float headingStep = 20.0f;  // degrees per heading step (one on every third call)
    bool stepBySize = false;    // instead: 10 for |target| >= 10, 3 for >= 5, else 1
    float noWanderStep = 0.0f;  // the step while m_bNoWander is set (0: no change)
    bool wallStepIsTarget = false;  // at an x wall the step is the target itself
    float lag = 20.0f;              // degrees segment i trails the head, per segment
    float settleStep = 20.0f;       // degrees a segment catches up per call once reached
    float noWanderSettleStep = 0.0f;
};

// ---- mesh parts ------------------------------------------------------------

// A view of a mesh table: rows x columns points, each row `stride` points
// after the one before (a part may draw some columns or rows of a table).
struct MeshView {
    const FishVertex* points = nullptr;
    int rows = 0;
    int columns = 0;
    int stride = 0;

    constexpr MeshView() = default;
    constexpr MeshView(FishMesh m) : points(m.points), rows(m.rows), columns(m.columns), stride(m.columns) {}
    constexpr MeshView(const FishVertex* p, int r, int c, int s = 0) : points(p), rows(r), columns(c), stride(s ? s : c)
    {
    }
    constexpr const FishVertex& At(int row, int column) const { return points[row * stride + column]; }
};

constexpr int kDriftArray = -2;  // a Track on it reads the fish's drift value

// The point of a part being sent: strip, table row, step of the strip (its
// column), whether this is a y-negated pass, whether it is the first vertex
// of its column, and whether it belongs to the part's cap (row is then -1).
struct GridPoint {
    int strip = 0;
    int row = 0;
    int column = 0;
    bool mirrored = false;
    bool first = true;
    bool cap = false;
};

using TrackFn = float (*)(const CFishModel& fish, const FishFrame& frame, const GridPoint& point);

// Where a part reads a value for column c:
//   kFixed   one entry of a working array (or the mean of two);
//   kColumn  entry first + c, at most `clampTo` (-1: no clamp);
//   kLerp    a straight line from one such point to another over `steps` columns
//            (advancing every `every` columns: column c stands at step c / every);
//   kMap     entry positions per column in half steps (2k: entry k; 2k + 1:
//            the mean of k and k + 1);
//   kConst   the number `value`; kTable  value x table[c];
//   kHook    a small function written by hand.
struct Track {
    enum Mode : uint8_t { kNone, kFixed, kColumn, kLerp, kMap, kConst, kTable, kHook };
    int array = 0;
    Mode mode = kNone;
    int a = 0, a2 = 0;  // the first point: mean of entries a and a2
    int b = 0, b2 = 0;  // kLerp: the second point
    int steps = 1;      // kLerp: columns from the first point to the second
    int every = 1;      // kLerp: columns that share one step of the line
    int clampTo = -1;   // kColumn
    const int8_t* halfSteps = nullptr;  // kMap, one per column
    const float* table = nullptr;       // kTable, one per column
    int tableSize = 0;                  // kMap and kTable
    float value = 0.0f;                 // kConst, kTable
    TrackFn hook = nullptr;
};

constexpr uint16_t kAllRows = 0xFFFF;

// A wave offset: track value times (x, y, z) added to a point's coordinates.
struct WaveTerm {
    Track track = {};
    float x = 0.0f, y = 0.0f, z = 0.0f;
    uint16_t rows = kAllRows;  // bit r: applies to table row r (all rows: the cap too)
    bool scaled = true;        // added before the size multiplies the point (false: after)
    float mirrorSign = 1.0f;   // its sign in a y-negated pass (-1: negated with y)
    uint8_t fromColumn = 0, toColumn = kFishMaxArrayLength;  // the columns it moves
    uint32_t variants = ~0u;   // the draw variants it applies in (bit v)
};

enum class Mirror : uint8_t {
    None,
    Halves,  // each strip twice in a row: as stored, then with y negated
    After,   // every strip as stored, then every strip again with y negated
    Twin,    // only the y-negated pass (the twin of another part)
    InStrip,  // each strip runs its columns, then the same columns with y negated
};

// One strip of a part: the rows it joins (first vertex from a, second from
// b), the column of each row that step c reads (c / divisor), and how many
// times the second vertex of a column is sent.
struct RowPair {
    uint8_t a = 0, b = 1;
    uint8_t divA = 1, divB = 1;
    uint8_t repeatB = 1;
};

// A part's primitive in some variants (the strips' vertex order stays).
struct VariantPrimitive {
    uint32_t variants = 0;
    GLenum primitive = GL_QUAD_STRIP;
};

// Fewer strips or columns in some variants (0: as many as the part has).
struct VariantLimit {
    uint32_t variants = 0;
    int strips = 0;
    int columns = 0;
};

// Stored coordinates of some rows multiplied in some variants, before the waves.
struct VariantStretch {
    uint32_t variants = 0;
    uint16_t rows = kAllRows;
    float x = 1.0f, y = 1.0f, z = 1.0f;
};

// A closing primitive after a part's strips (a polygon or a quad), drawn with
// the part's rotation and its terms for all rows, in each pass of the part.
struct FishCap {
    GLenum primitive = GL_POLYGON;
    std::span<const FishVertex> points = {};
};

constexpr int kFishMaxTerms = 6;

// One grid part: its strips join two rows of its table, point c of each per
// column; wave offsets are added after a y negation (unless mirrorSign says otherwise).
struct GridPart {
    const char* name = "";
    MeshView mesh = {};
    Mirror mirror = Mirror::None;
    Track turn = {};        // rotation about z in degrees; kNone keeps the part matrix as it is
    Track turnSecond = {};  // if set, the second vertex of each column turns by this instead
    WaveTerm terms[kFishMaxTerms] = {};
    std::span<const RowPair> strips = {};  // none: row r to row r + 1, for every r
    int columns = 0;                       // steps of a strip; 0: the table's columns
    GLenum primitive = GL_QUAD_STRIP;
    std::span<const VariantPrimitive> primitives = {};
    std::span<const VariantLimit> limits = {};
    std::span<const VariantStretch> stretches = {};
    FishCap cap = {};
    // By hand: adds to the point's offset in size-1 units (multiplied by the size with the point).
    void (*offsetHook)(const CFishModel& fish, const FishFrame& frame, const GridPoint& point, float offset[3]) = nullptr;
    // By hand: runs before the part draws (a class's own step, such as a jitter).
    void (*before)(CFishModel& fish) = nullptr;
    bool emptyQuadsFirst = false;  // an empty GL_QUADS pair before the strips
    uint32_t hiddenInVariants = 0;
    bool hiddenInOtherVariants = false;  // also hidden in variants below 0 or above 31
};

// Whether a part is left out of draw variant v (any int).
constexpr bool HiddenInVariant(const GridPart& part, int v)
{
    return v >= 0 && v < 32 ? InVariants(part.hiddenInVariants, v) : part.hiddenInOtherVariants;
}

// ---- what a variant draws --------------------------------------------------

// One step of a variant's draw program.
struct DrawStep {
    enum Op : uint8_t { kPart, kPush, kPop, kScale, kRotate };
    Op op = kPart;
    int part = 0;  // kPart: index into the class's parts
    float angle = 0.0f, x = 0.0f, y = 0.0f, z = 0.0f;
};

// The program of the variants in the mask; a variant without one draws every
// part in order (leaving out those hidden in it) after the class's scales.
struct VariantProgram {
    uint32_t variants = 0;
    std::span<const DrawStep> steps = {};
};

// ---- helpers of the descriptions (a class's .cpp opens the namespace) -------

namespace fishdef {

// Columns first .. first + count - 1 of a table, or its rows first .. first +
// count - 1 (a view past the table does not compile in a description).
template <int Rows, int Columns>
constexpr MeshView ColumnsOf(const FishVertex (&grid)[Rows][Columns], int first, int count)
{
    if (first < 0 || count < 1 || first + count > Columns)
        throw "columns past the table";
    return {&grid[0][first], Rows, count, Columns};
}
template <int Rows, int Columns>
constexpr MeshView RowsOf(const FishVertex (&grid)[Rows][Columns], int first, int count)
{
    if (first < 0 || count < 1 || first + count > Rows)
        throw "rows past the table";
    return {&grid[first][0], count, Columns, Columns};
}

constexpr Track At(int array, int i) { return {array, Track::kFixed, i, i}; }
constexpr Track MeanOf(int array, int i, int j) { return {array, Track::kFixed, i, j}; }
constexpr Track ByColumn(int array, int first = 0) { return {array, Track::kColumn, first, first}; }
constexpr Track ByColumnUpTo(int array, int first, int last)
{
    return {.array = array, .mode = Track::kColumn, .a = first, .a2 = first, .clampTo = last};
}
constexpr Track Lerp(int array, int from, int to, int steps) { return {array, Track::kLerp, from, from, to, to, steps}; }
constexpr Track LerpMeans(int array, int from, int from2, int to, int to2, int steps, int every = 1)
{
    return {array, Track::kLerp, from, from2, to, to2, steps, every};
}
// Column c reads the entry at halfSteps[c] / 2 (a half step: the mean of two).
template <int N>
constexpr Track ByMap(int array, const int8_t (&halfSteps)[N])
{
    return {.array = array, .mode = Track::kMap, .halfSteps = halfSteps, .tableSize = N};
}
constexpr Track Const(float value) { return {.mode = Track::kConst, .value = value}; }
template <int N>
constexpr Track ByTable(const float (&table)[N], float times = 1.0f)
{
    return {.mode = Track::kTable, .table = table, .tableSize = N, .value = times};
}
constexpr Track DriftValue() { return {kDriftArray, Track::kFixed}; }
constexpr Track ByHand(TrackFn hook) { return {.mode = Track::kHook, .hook = hook}; }

constexpr uint16_t RowBit(int row) { return static_cast<uint16_t>(1u << row); }

// Terms in common use: the value added to y (sideways) or z (up), or to any
// coordinates, times the size.
constexpr WaveTerm AddY(Track t, uint16_t rows = kAllRows) { return {t, 0, 1, 0, rows}; }
constexpr WaveTerm AddZ(Track t, uint16_t rows = kAllRows, float factor = 1) { return {t, 0, 0, factor, rows}; }
constexpr WaveTerm Add(Track t, float x, float y, float z, uint16_t rows = kAllRows, float mirrorSign = 1)
{
    return {t, x, y, z, rows, true, mirrorSign};
}
// A term whose values already carry the size (its generator multiplies by
// it): added to the point after the point is scaled.
constexpr WaveTerm AfterScale(WaveTerm term)
{
    term.scaled = false;
    return term;
}

// Generators in common use: a sine (cadence 5: the phase steps on every 7th
// call), a growing wave (sin x i x gain), and the same with the values
// multiplied by the fish's size, in float or (inDouble) in double precision.
constexpr WaveGen Sine(int block, int array, int count, int cadence = 5, float gain = 1.0f)
{
    return {.kind = WaveKind::Sine, .block = block, .array = array, .count = count, .cadence = cadence, .gain = gain};
}
constexpr WaveGen Growing(int block, int array, int count, float gain, int cadence = 5)
{
    return {.kind = WaveKind::Growing, .block = block, .array = array, .count = count, .cadence = cadence,
            .gain = gain};
}
constexpr WaveGen TimesSize(WaveGen gen, bool inDouble = false)
{
    gen.timesSize = true;
    gen.inDouble = inDouble;
    return gen;
}
// A reverse ramp times the size whose last `leaveLast` entries are 0; with
// toggleAfter >= 0 it also toggles the stroke (after toggleAfter calls plus
// rand() % toggleJitter).
constexpr WaveGen SizedReverseRamp(int block, int array, int count, bool inDouble, int leaveLast,
                                   int toggleAfter = -1, int toggleJitter = 0)
{
    return {.kind = WaveKind::ReverseRamp, .block = block, .array = array, .count = count, .timesSize = true,
            .inDouble = inDouble, .leaveLast = leaveLast, .toggleAfter = toggleAfter, .toggleJitter = toggleJitter};
}

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

// A part drawn in the variants listed only: hidden in every other one,
// those below 0 and above 31 included.
constexpr GridPart DrawnOnlyIn(GridPart part, std::initializer_list<int> variants)
{
    part.hiddenInVariants = ~VariantMask(variants);
    part.hiddenInOtherVariants = true;
    return part;
}

// The plan and the parts of a description, each entry with the name the
// class's operations use for it (the class's enums Steps and Parts, counted
// by their kCount): entry i must carry name i and every name its entry, or
// the description does not compile.
//   constexpr Named<WaveGen> kNamedPlan[] = {{Steps::kBend, {...}}, {Steps::kBodyWave, {...}}};
//   constexpr auto kPlan = InNamedOrder<Steps::kCount>(kNamedPlan);
template <class T>
struct Named {
    int name = 0;
    T value = {};
};
template <int Count, class T, size_t N>
constexpr std::array<T, Count> InNamedOrder(const Named<T> (&entries)[N])
{
    static_assert(N == Count, "one entry for every name");
    std::array<T, Count> table{};
    for (int i = 0; i < Count; ++i) {
        if (entries[i].name != i)
            throw "an entry out of its named place";
        table[static_cast<size_t>(i)] = entries[i].value;
    }
    return table;
}

// The strips of a three-row table stored middle (A), root (B), edge (C):
// B to A, then A to C.
inline constexpr RowPair kBToAThenAToC[] = {{1, 0}, {0, 2}};

constexpr DrawStep Part(int part) { return {DrawStep::kPart, part}; }
constexpr DrawStep Push() { return {DrawStep::kPush}; }
constexpr DrawStep Pop() { return {DrawStep::kPop}; }
constexpr DrawStep Scale(float x, float y, float z) { return {DrawStep::kScale, 0, 0, x, y, z}; }
constexpr DrawStep Rotate(float angle, float x, float y, float z) { return {DrawStep::kRotate, 0, angle, x, y, z}; }

}  // namespace fishdef

// ---- the class -------------------------------------------------------------

// One rand() draw of the constructor, in order.
struct RandDraw {
    enum What : uint8_t { kDiscard, kPitch, kCounter, kWanderTimer };
    What what = kDiscard;
    int modulus = 1;
    int block = 0;  // kCounter: whose counter
};

// The template's draws, which most species keep: the pitch (rand() % 45), the
// counters of blocks 1 and 2 (rand() % 15 each) and the wander timer
// (rand() % 200).
inline constexpr RandDraw kTemplateDraws[] = {
    {RandDraw::kPitch, 45},
    {RandDraw::kCounter, 15, 1},
    {RandDraw::kCounter, 15, 2},
    {RandDraw::kWanderTimer, 200},
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

// How Draw turns the model after standing it up.
enum class FishTilt : uint8_t {
    EaseAndTilt,  // the drawn pitch eases toward the target, and the model tilts by it
    None,         // neither: the body stays level
};

// What a fish whose m_bAlive is clear emits.
enum class AliveRule : uint8_t {
    Ignored,      // the flag is not read: the fish is drawn as usual
    EmptyStrips,  // every strip is opened and closed with no vertex
    Nothing,      // no primitive at all
};

// What the touch tool does to a picked fish.
enum class TouchRule : uint8_t {
    SpeedUp,         // turned in place when in the depth band, then sped up to the limit
    ClampVertical,   // only a pitch of exactly 90 or -90 is clamped (TurnPitch mode 4)
};

struct FishClass {
    const char* name = "";
    int segments = 0;  // bend run
    std::span<const FishWave> waves = {};
    std::span<const RandDraw> draws = {};
    int size = 5;
    float speed = 0.05f;
    float pitch = 0.0f;      // the target pitch at birth where no draw sets it
    float bodyDims[3] = {};  // length, width, height at size 1
    bool drift = true;
    bool whiteFirst = false;  // Draw sets the current colour to white before the parts
    std::span<const SwimStyleRow> swimStyle = {};
    std::span<const WaveGen> plan = {};  // in call order, the bend included
    std::span<const VariantScale> scales = {};
    std::span<const GridPart> parts = {};  // in drawing order
    std::span<const VariantProgram> programs = {};

    // ---- policies: where the class leaves the template's way ----
    FishTilt tilt = FishTilt::EaseAndTilt;
    float extraYaw = 0.0f;            // degrees about the model's z before the tilt
    double degree = 0.017453292f;     // radians per degree of the tilt's heading (as a float unless in double)
    bool degreeInDouble = false;      // the tilt's heading converted in double precision
    bool wanders = true;              // Draw calls Wander
    bool swimStyleDraws = true;       // SetSwimStyle draws and discards one rand()
    bool approachesSpeed = true;      // false: ApproachSpeed leaves the speed
    int headingDraws = 1;             // TurnHeading mode 0 draws this many; the last decides
    bool wholeDegreePitch = false;    // TurnPitch keeps the target pitch in whole degrees
    bool skipsWhenHit = false;        // Draw does nothing at all while m_bHit is set
    AliveRule alive = AliveRule::Ignored;
    TouchRule touch = TouchRule::SpeedUp;
    BendRule bend = {};
    void (*beforePlan)(CFishModel& fish) = nullptr;  // a step before the generators
    uint32_t drawnVariants = ~0u;     // variants 0 to 31 that draw parts
    bool otherVariantsDraw = true;    // variants below 0 or above 31 draw parts
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
        return t.clampTo >= 0 ? most(t.a, t.clampTo) + 1 : t.a + columns;
    case Track::kLerp:
        return most(most(t.a, t.a2), most(t.b, t.b2)) + 1;
    case Track::kMap: {
        int end = 0;
        for (int c = 0; c < t.tableSize; ++c)
            end = most(end, (t.halfSteps[c] + 1) / 2 + 1);
        return end;
    }
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
        if (g.kind == WaveKind::ByHand && !g.value)
            return false;
        filled[g.array] = g.count > filled[g.array] ? g.count : filled[g.array];
    }
    const int parts = static_cast<int>(c.parts.size());
    auto trackOk = [&](const Track& t, int columns) {
        if (t.mode == Track::kNone || t.mode == Track::kHook || t.mode == Track::kConst)
            return true;
        if ((t.mode == Track::kMap || t.mode == Track::kTable) && t.tableSize < columns)
            return false;
        if (t.mode == Track::kTable)
            return t.table != nullptr;
        if (t.array == kDriftArray)
            return t.mode == Track::kFixed;
        if (t.array < 0 || t.array >= kFishMaxArrays || t.a < 0 || t.a2 < 0 || t.b < 0 || t.b2 < 0 || t.steps < 1 ||
            t.every < 1)
            return false;
        if (t.mode == Track::kMap)
            for (int i = 0; i < t.tableSize; ++i)
                if (t.halfSteps[i] < 0)
                    return false;
        const int limit = filled[t.array] ? filled[t.array] : kFishMaxArrayLength;
        return TrackEnd(t, columns) <= limit;
    };
    for (const GridPart& p : c.parts) {
        const MeshView& m = p.mesh;
        if (m.rows < 1 || m.rows > kFishMaxRows || m.columns < 1 || m.columns > kFishMaxArrayLength ||
            m.stride < m.columns)
            return false;
        const int columns = p.columns ? p.columns : m.columns;
        if (columns > kFishMaxArrayLength)
            return false;
        if (p.strips.empty() && m.rows < 2)
            return false;
        for (const RowPair& s : p.strips)
            if (s.a >= m.rows || s.b >= m.rows || s.divA < 1 || s.divB < 1 || s.repeatB < 1 ||
                (columns - 1) / s.divA >= m.columns || (columns - 1) / s.divB >= m.columns)
                return false;
        if (p.strips.empty() && columns > m.columns)
            return false;
        if (!trackOk(p.turn, columns) || !trackOk(p.turnSecond, columns))
            return false;
        for (const WaveTerm& t : p.terms)  // a term reads only the columns it moves
            if (!trackOk(t.track, t.toColumn < columns ? t.toColumn : columns) || t.fromColumn > t.toColumn)
                return false;
    }
    for (const VariantProgram& program : c.programs)
        for (const DrawStep& s : program.steps)
            if (s.op == DrawStep::kPart && (s.part < 0 || s.part >= parts))
                return false;
    return c.headingDraws >= 1 && c.size >= 1;
}
