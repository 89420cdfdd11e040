// Helpers of the fish tests.
#pragma once
#include "fish/fish_array.h"
#include "fish/fish_model.h"
#include "platform/crt.h"
#include "support/vertex_recorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

// How many crt::rand() values `op` draws: the values that follow it are found
// in a fresh sequence of the same seed.
inline int RandDraws(const std::function<void()>& op, unsigned seed = 1)
{
    crt::srand(seed);
    op();
    const int a = crt::rand(), b = crt::rand();
    crt::srand(seed);
    int previous = crt::rand();
    for (int n = 0; n < 100000; ++n) {
        const int current = crt::rand();
        if (previous == a && current == b)
            return n;
        previous = current;
    }
    return -1;
}

// The i-th value (0 first) of the sequence started by srand(seed).
inline int RandValue(int i, unsigned seed = 1)
{
    crt::srand(seed);
    for (int k = 0; k < i; ++k)
        crt::rand();
    return crt::rand();
}

// A stroke toggle draws a threshold 15 + rand() % 10 at every call and flips
// the stroke when the calls counted since the last flip exceed it: for each
// of many seeds the flip comes on the call the raw sequence names, and only on
// the 17th to 26th. `toggle` makes one call on the fish; `check` looks at the
// fish after its flip.
template <class Fish>
void ExpectStrokeFlipsByDrawnThreshold(const std::function<void(Fish&)>& toggle, int toggleBlock,
                                       const std::function<void(const Fish&, const Fish&)>& check = {})
{
    int earliest = 100, latest = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        // Call k (counter k - 1) flips when k - 1 > 15 + the k-th value % 10.
        crt::srand(seed);
        int expected = 0;
        for (int k = 1; !expected; ++k)
            if (k - 1 > 15 + crt::rand() % 10)
                expected = k;
        Fish fish;
        fish.m_Wave[toggleBlock].counter = 0;  // as a flip leaves it
        fish.m_bStroke = 0;
        const Fish before = fish;
        crt::srand(seed);
        int flipped = 0;
        for (int call = 1; call <= 30 && !flipped; ++call) {
            toggle(fish);
            if (fish.m_bStroke)
                flipped = call;
        }
        EXPECT_EQ(flipped, expected) << "seed " << seed;
        EXPECT_EQ(fish.m_Wave[toggleBlock].counter, 0);
        if (check)
            check(before, fish);
        earliest = std::min(earliest, flipped);
        latest = std::max(latest, flipped);
    }
    EXPECT_GE(earliest, 17);
    EXPECT_LE(latest, 26);
    EXPECT_LT(earliest, latest) << "the threshold is drawn anew";
}

// A mesh part as one frame sends it: strips of `points` vertices each.
struct PartShape {
    const char* name;
    int strips, points;
};

// One frame of `fish` recorded: the body's empty quads first, then every part
// in the class's order as its strips, and the whole vertex count.
template <size_t N>
void ExpectPartsInOrder(const VertexRecorder& recorder, const CFishModel& fish, const PartShape (&shapes)[N],
                        size_t primitives, size_t vertices)
{
    ASSERT_EQ(recorder.primitives.size(), primitives);
    EXPECT_EQ(recorder.primitives[0].mode, GLenum(GL_QUADS));
    EXPECT_TRUE(recorder.primitives[0].vertices.empty());
    size_t p = 1;
    for (const PartShape& shape : shapes)
        for (int s = 0; s < shape.strips; ++s, ++p) {
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << shape.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(shape.points)) << shape.name << " strip " << s;
        }
    EXPECT_EQ(recorder.VertexCount(), vertices);
    for (size_t i = 0; i < N; ++i)
        EXPECT_STREQ(fish.Class().parts[i].name, shapes[i].name);
}

// How a frame sends the parts of a table of PartShape: each part drawn, in
// the class's order, opens with an empty GL_QUADS pair where
// emptyQuadsFirst(name) says so, then sends its strips; a part not drawn
// sends nothing; with `emptyStrips` no strip has a vertex (as a fish not
// alive sends them).
struct PartLayout {
    std::function<bool(const char* part)> emptyQuadsFirst;
    std::function<bool(const char* part)> drawn = [](const char*) { return true; };
    bool emptyStrips = false;
};

// The primitives of the last Draw laid out as `layout` says, and nothing
// after them; the parts named as the class names them.
template <size_t N>
void ExpectPartsLaidOut(const VertexRecorder& recorder, const CFishModel& fish, const PartShape (&shapes)[N],
                        const PartLayout& layout, const std::string& what)
{
    size_t p = 0, vertices = 0;
    for (size_t i = 0; i < N; ++i) {
        const PartShape& s = shapes[i];
        EXPECT_STREQ(fish.Class().parts[i].name, s.name);
        if (!layout.drawn(s.name))
            continue;
        if (layout.emptyQuadsFirst(s.name)) {
            ASSERT_LT(p, recorder.primitives.size()) << what;
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUADS)) << what << " " << s.name;
            EXPECT_TRUE(recorder.primitives[p].vertices.empty()) << what << " " << s.name;
            ++p;
        }
        const int points = layout.emptyStrips ? 0 : s.points;
        for (int k = 0; k < s.strips; ++k, ++p) {
            ASSERT_LT(p, recorder.primitives.size()) << what;
            EXPECT_EQ(recorder.primitives[p].mode, GLenum(GL_QUAD_STRIP)) << what << " " << s.name;
            EXPECT_EQ(recorder.primitives[p].vertices.size(), size_t(points)) << what << " " << s.name << " " << k;
            vertices += size_t(points);
        }
    }
    EXPECT_EQ(p, recorder.primitives.size()) << what;
    EXPECT_EQ(recorder.VertexCount(), vertices) << what;
}

// The same for a class that sends its parts' strips with no empty quads
// between them (no vertex in any strip when `emptyStrips`).
template <size_t N>
void ExpectStripsLaidOut(const VertexRecorder& recorder, const CFishModel& fish, const PartShape (&shapes)[N],
                         const std::string& what, bool emptyStrips = false)
{
    ExpectPartsLaidOut(recorder, fish, shapes,
                       {.emptyQuadsFirst = [](const char*) { return false; }, .emptyStrips = emptyStrips}, what);
}

// One Draw (in the class's form) of `fish` and of a copy of size `size`, from
// the same random sequence: every vertex of the copy lies size / fish's size
// as far out.
template <class Fish>
void ExpectDrawnLargerInEveryCoordinate(VertexRecorder& recorder, const Fish& fish, int size)
{
    Fish small = fish, big = fish;
    big.m_nSize = size;
    recorder.primitives.clear();
    crt::srand(9);
    DrawInItsForm(small);
    const std::vector<RecordedPrimitive> seen = recorder.primitives;
    recorder.primitives.clear();
    crt::srand(9);
    DrawInItsForm(big);
    const float k = static_cast<float>(size) / fish.m_nSize;
    ASSERT_EQ(recorder.primitives.size(), seen.size());
    for (size_t s = 0; s < seen.size(); ++s) {
        ASSERT_EQ(recorder.primitives[s].vertices.size(), seen[s].vertices.size());
        for (size_t i = 0; i < seen[s].vertices.size(); ++i)
            for (int axis = 0; axis < 3; ++axis)
                EXPECT_NEAR(recorder.primitives[s].vertices[i].position[axis], k * seen[s].vertices[i].position[axis],
                            1e-4)
                    << "primitive " << s << " vertex " << i;
    }
}

// Every point of every part of a class: a unit normal and a texture
// coordinate inside the picture (s in 0..1, t in tLow..tHigh).
inline void ExpectUnitNormalsAndCoordinatesInThePicture(const FishClass& fishClass, float tLow = 0.0f,
                                                        float tHigh = 1.0f)
{
    for (const GridPart& part : fishClass.parts) {
        const MeshView& m = part.mesh;
        for (int r = 0; r < m.rows; ++r)
            for (int c = 0; c < m.columns; ++c) {
                const FishVertex& p = m.At(r, c);
                EXPECT_NEAR(std::sqrt(p.nx * p.nx + p.ny * p.ny + p.nz * p.nz), 1.0f, 1e-3)
                    << part.name << " row " << r << " column " << c;
                EXPECT_TRUE(p.s >= 0.0f && p.s <= 1.0f && p.t >= tLow && p.t <= tHigh)
                    << part.name << " row " << r << " column " << c << ": " << p.s << ", " << p.t;
            }
    }
}

// Point p turned by `degrees` about the model's z axis, as a part's rotation turns it.
inline std::array<float, 3> TurnedAboutZ(const std::array<float, 3>& p, float degrees)
{
    const double a = degrees * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

// Where a stored point (x, y, z) in size-1 units arrives: times the size,
// turned by `angle` degrees about z.
inline std::array<float, 3> ScaledAndTurned(float x, float y, float z, float angle, int size = 5)
{
    const double a = angle * 3.14159265358979323846 / 180.0, c = std::cos(a), s = std::sin(a);
    const double px = x * size, py = y * size, pz = z * size;
    return {static_cast<float>(c * px - s * py), static_cast<float>(s * px + c * py), static_cast<float>(pz)};
}

inline void ExpectNearPoint(const std::array<float, 3>& a, const std::array<float, 3>& b, const std::string& what,
                            float tolerance = 3e-5f)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], tolerance) << what << " axis " << k;
}

inline void ExpectSamePoint(const std::array<float, 3>& a, const std::array<float, 3>& b, const std::string& what)
{
    ExpectNearPoint(a, b, what, 2e-5f);
}

// A body table: rows from the ridge (on the midline) down the flank to the
// belly (on the midline), each column one place along the body, the columns
// from the head back.
template <int Rows, int Columns>
void ExpectBodyRowsAlongTheSegments(const FishVertex (&body)[Rows][Columns])
{
    for (int j = 0; j < Columns; ++j) {
        EXPECT_EQ(body[0][j].y, 0.0f) << "ridge on the midline, column " << j;
        EXPECT_NEAR(body[Rows - 1][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < Rows; ++r) {
            EXPECT_EQ(body[r][j].x, body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(body[r][j].z, body[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r + 1 < Rows; ++r) {
            EXPECT_GT(body[r][j].y, 0.0f) << r << " " << j;
            EXPECT_GT(body[r][j].ny, 0.0f) << "flank normals face outward, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(body[0][j].x, body[0][j - 1].x);
        }
    }
}

// The extent of a table: its highest and its lowest z, and how far it
// reaches to either side (the largest |y|).
struct TableBox {
    float top = -1, bottom = 1, side = 0;
};
template <int Rows, int Columns>
TableBox BoxOf(const FishVertex (&table)[Rows][Columns])
{
    TableBox box;
    for (const auto& row : table)
        for (const FishVertex& p : row) {
            box.top = std::max(box.top, p.z);
            box.bottom = std::min(box.bottom, p.z);
            box.side = std::max(box.side, std::fabs(p.y));
        }
    return box;
}

// A body table stored on its -y half: rows from the ridge (on the midline,
// within `ridgeTolerance`) down the flank to the belly (on the midline), the
// flank at y < 0 with its normals facing out, each column one place along the
// body, the columns from the head back.
template <int Rows, int Columns>
void ExpectStoredHalfBodyRowsAlongTheSegments(const FishVertex (&body)[Rows][Columns], float ridgeTolerance = 0.0f)
{
    for (int j = 0; j < Columns; ++j) {
        EXPECT_NEAR(body[0][j].y, 0.0f, ridgeTolerance) << "ridge on the midline, column " << j;
        EXPECT_NEAR(body[Rows - 1][j].y, 0.0f, 1e-6) << "belly on the midline, column " << j;
        for (int r = 1; r < Rows; ++r) {
            EXPECT_EQ(body[r][j].x, body[0][j].x) << "column " << j << " is one segment";
            EXPECT_LT(body[r][j].z, body[r - 1][j].z) << "rows go down, column " << j;
        }
        for (int r = 1; r + 1 < Rows; ++r) {
            EXPECT_LT(body[r][j].y, 0.0f) << "the stored half, " << r << " " << j;
            EXPECT_LT(body[r][j].ny, 0.0f) << "flank normals face out, " << r << " " << j;
        }
        if (j > 0) {
            EXPECT_GT(body[0][j].x, body[0][j - 1].x);
        }
    }
}

// What a fish holds at birth, as a species' test recomputes it: its size,
// speed, bend run, drift and body, each wave block's wave number, amplitude
// and phase step (the blocks past those listed hold zeros), and the rand()
// draws of its constructor in order (the template's unless it says).
struct StartBlock {
    double waveNumber = 0, amplitude = 0, step = 0;
};
struct StartDraw {
    enum What { kPitch, kCounter, kWanderTimer, kDiscard };
    What what = kDiscard;
    int modulus = 1;
    int block = 0;  // kCounter: whose counter
};
struct FishStart {
    int size = 5;
    float speed = 0.05f;
    float pitch = 0.0f;  // where no draw sets it
    int segments = 15;
    bool drift = true;
    std::array<float, 3> bodyDims = {1.0f, 0.34605f, 0.2778f};
    std::vector<StartBlock> blocks;
    std::vector<StartDraw> draws = {{StartDraw::kPitch, 45},
                                    {StartDraw::kCounter, 15, 1},
                                    {StartDraw::kCounter, 15, 2},
                                    {StartDraw::kWanderTimer, 200}};
};

// A fish of class Fish built after srand(seed) for each seed holds the
// values of `start` and the template's for the rest; its swim box is the
// game's and its body `start`'s once it is given the box.
template <class Fish>
void ExpectStartValues(const FishStart& start, std::initializer_list<unsigned> seeds = {1u, 77u, 4242u})
{
    for (unsigned seed : seeds) {
        SCOPED_TRACE(seed);
        crt::srand(seed);
        Fish fish;
        EXPECT_EQ(fish.m_bAlive, 1);
        EXPECT_EQ(fish.m_bStroke, 1);
        EXPECT_EQ(fish.m_nSize, start.size);
        EXPECT_FLOAT_EQ(fish.m_fSpeed, start.speed);
        EXPECT_EQ(fish.m_nTargetHeading, 0);
        EXPECT_EQ(fish.m_fShownPitch, 0.0f);
        EXPECT_EQ(fish.m_fHeading, 0.0f);
        EXPECT_EQ(fish.m_bHit, 0);
        EXPECT_EQ(fish.m_bNoWander, 0);
        EXPECT_EQ(fish.m_nBendCounter, 0);
        EXPECT_EQ(fish.m_nSwimState, 8);
        EXPECT_EQ(fish.m_nDrawVariant, 0);
        for (int i = 0; i < kFishMaxSegments; ++i)
            EXPECT_EQ(fish.m_nBendAngle[i], 0) << "segment " << i;
        for (float p : fish.m_fPos)
            EXPECT_EQ(p, 0.0f);
        EXPECT_EQ(fish.Class().segments, start.segments);
        EXPECT_EQ(fish.Class().drift, start.drift);
        EXPECT_FLOAT_EQ(fish.m_fDriftLimit, 0.008f);
        EXPECT_EQ(fish.m_fDrift, 0.0f);
        EXPECT_FLOAT_EQ(fish.m_fDriftStep, 0.002f);
        // The draws, each into its place; counters not drawn stay 0.
        float pitch = start.pitch;
        int counters[kFishMaxWaves] = {}, wander = 0;
        for (size_t k = 0; k < start.draws.size(); ++k) {
            const StartDraw& d = start.draws[k];
            const int r = RandValue(static_cast<int>(k), seed) % d.modulus;
            if (d.what == StartDraw::kPitch)
                pitch = static_cast<float>(r);
            else if (d.what == StartDraw::kCounter)
                counters[d.block] = r;
            else if (d.what == StartDraw::kWanderTimer)
                wander = r;
        }
        EXPECT_EQ(fish.m_fPitch, pitch);
        EXPECT_EQ(fish.m_nWanderTimer, wander);
        for (int b = 0; b < kFishMaxWaves; ++b) {
            const StartBlock w = b < static_cast<int>(start.blocks.size()) ? start.blocks[b] : StartBlock{};
            EXPECT_FLOAT_EQ(fish.m_Wave[b].waveNumber, static_cast<float>(w.waveNumber)) << "block " << b;
            EXPECT_EQ(fish.m_Wave[b].amplitude, static_cast<float>(w.amplitude)) << "block " << b;
            EXPECT_FLOAT_EQ(fish.m_Wave[b].phaseStep, static_cast<float>(w.step)) << "block " << b;
            EXPECT_EQ(fish.m_Wave[b].phase, 0.0f) << "block " << b;
            EXPECT_EQ(fish.m_Wave[b].counter, counters[b]) << "block " << b;
        }
        EXPECT_EQ(fish.Class().waves.size(), start.blocks.size());
        fish.m_bBusy = 1;
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        EXPECT_EQ(fish.m_bBusy, 0);
        const float box[6] = {-50, 50, 13, -17, -75, -80};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(fish.m_fSwimBox[i], box[i]) << i;
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(fish.m_fBodyDims[i], start.bodyDims[static_cast<size_t>(i)]) << i;
    }
    EXPECT_EQ(RandDraws([] { Fish fish; }), static_cast<int>(start.draws.size()));
}

// The recorded primitives of part `index` of the last Draw, where the parts
// sent shapes[i].strips primitives each, in order, after `skip` others.
template <class Shape, size_t N>
std::vector<RecordedPrimitive> PartPrimitives(const VertexRecorder& recorder, const Shape (&shapes)[N], int index,
                                              size_t skip = 0)
{
    size_t first = skip;
    for (int i = 0; i < index; ++i)
        first += size_t(shapes[i].strips);
    const auto begin = recorder.primitives.begin() + std::ptrdiff_t(first);
    return {begin, begin + shapes[index].strips};
}

// The mouth of a fish of size 5 drawn with the ramp's counter at 0: while the
// stroke is set both jaws show their stored shape; else the upper jaw's column
// c rises by 0.003 c and the lower jaw's first four columns drop by as much,
// times the size, its tip columns staying closed. `upperJaw` and `lowerJaw`
// are the primitives of the jaws' first strips in a frame.
template <class Fish, int UpperRows, int LowerRows, int Columns>
void ExpectJawsOpenOnlyWhileTheStrokeIsClear(VertexRecorder& recorder, Fish& fish, size_t upperJaw, size_t lowerJaw,
                                             const FishVertex (&upper)[UpperRows][Columns],
                                             const FishVertex (&lower)[LowerRows][Columns])
{
    const auto at = [&](size_t primitive, int column, int row) {
        return recorder.primitives.at(primitive).vertices.at(2 * column + row).position;
    };
    for (int stroke : {1, 0}) {
        recorder.primitives.clear();
        fish.m_bStroke = static_cast<BYTE>(stroke);
        fish.m_Wave[1].counter = 0;
        fish.Draw(0);
        for (int c = 0; c < Columns; ++c) {
            const float open = stroke ? 0.0f : 0.003f * c * 5;
            for (int row = 0; row < 2; ++row) {
                EXPECT_NEAR(at(upperJaw, c, row)[2], upper[row][c].z * 5 + open, 1e-5) << "stroke " << stroke << " " << c;
                EXPECT_NEAR(at(lowerJaw, c, row)[2], lower[row][c].z * 5 - (c < 4 ? open : 0.0f), 1e-5)
                    << "stroke " << stroke << " " << c;
            }
        }
    }
}

// A fish of class Fish in the tank's swim box on the plane z = -75, with no
// wander decision before its 302nd frame, and the recorder of what it sends.
template <class Fish>
class FishSpeciesTest : public testing::Test {
protected:
    FishSpeciesTest()
    {
        fish.SetSwimBox(-50, 50, 3, -22, -75, -80);
        fish.m_fPos[2] = -75;
        fish.m_nWanderTimer = 0;
    }
    // Column `column` of a strip, the vertex of its first row or (second) of its second.
    const std::array<float, 3>& At(size_t primitive, int column, int second) const
    {
        return recorder.primitives.at(primitive).vertices.at(2 * column + second).position;
    }

    VertexRecorder recorder;
    Fish fish;
};

// A part of a species recomputed from its rules: every strip of its table
// sent as stored and mirrored passes, each vertex the stored point (times
// `size`, y negated in a mirrored pass) moved by the part's waves and turned
// by the angle of its column, with the stored normal and texture coordinate.
template <class Fish>
struct StripRule {
    using Vec = std::array<float, 3>;
    const char* name;
    void (Fish::*draw)(const FishFrame&);
    const FishVertex* mesh;
    int columns;
    std::vector<bool> passes;  // per strip: as stored, then y negated?
    bool stripsThenMirrors;    // all strips, then all mirrored
    // The point with its offsets, before turning: (x, y, z) given the stored
    // point scaled and its y negated in a mirrored pass.
    std::function<Vec(Vec q, int row, int c, bool mirrored)> moved;
    std::function<float(int c)> angle;
    int rows = 0;  // of the mesh, when set: one strip between each two, every pass
};

// Each rule's part drawn alone from frame `f`: the strips it sends, after the
// empty quads where emptyQuadsFirst(name) says so, follow the rule.
template <class Fish, size_t N>
void ExpectStripsFollowRules(VertexRecorder& recorder, Fish& fish, const FishFrame& f,
                             const StripRule<Fish> (&rules)[N], const std::function<bool(const char*)>& emptyQuadsFirst,
                             float size = 5, float tolerance = 2e-5f)
{
    using Vec = std::array<float, 3>;
    for (const StripRule<Fish>& rule : rules) {
        recorder.primitives.clear();
        (fish.*rule.draw)(f);
        ASSERT_FALSE(recorder.primitives.empty()) << rule.name;
        const size_t skip = emptyQuadsFirst(rule.name) ? 1 : 0;
        if (skip) {
            EXPECT_TRUE(recorder.primitives[0].vertices.empty()) << rule.name << ": the empty quads first";
        }
        const size_t passes = rule.passes.size();
        const int strips = static_cast<int>((recorder.primitives.size() - skip) / passes);
        ASSERT_GE(strips, 1) << rule.name;
        if (rule.rows > 0) {
            ASSERT_EQ(recorder.primitives.size(), skip + size_t(rule.rows - 1) * passes) << rule.name;
        }
        for (int s = 0; s < strips; ++s)
            for (size_t pass = 0; pass < passes; ++pass) {
                const size_t prim = skip + (rule.stripsThenMirrors ? pass * strips + s : s * passes + pass);
                ASSERT_EQ(recorder.primitives[prim].vertices.size(), size_t(2 * rule.columns)) << rule.name;
                for (int c = 0; c < rule.columns; ++c)
                    for (int k = 0; k < 2; ++k) {
                        const FishVertex& p = rule.mesh[(s + k) * rule.columns + c];
                        const bool mirrored = rule.passes[pass];
                        const Vec q =
                            rule.moved({p.x * size, (mirrored ? -p.y : p.y) * size, p.z * size}, s + k, c, mirrored);
                        const RecordedVertex& v = recorder.primitives[prim].vertices[2 * c + k];
                        ExpectNearPoint(v.position, TurnedAboutZ(q, rule.angle(c)),
                                        std::string(rule.name) + " strip " + std::to_string(s) + " pass " +
                                            std::to_string(pass) + " column " + std::to_string(c),
                                        tolerance);
                        EXPECT_EQ(v.normal, (Vec{p.nx, p.ny, p.nz})) << rule.name << " normals as stored";
                        EXPECT_EQ(v.texCoord, (std::array<float, 2>{p.s, p.t})) << rule.name;
                    }
            }
    }
}

// A part drawn alone from a frame whose only value is a bend of 90 at
// `segment`: the two rows of its first strip are the stored points times the
// size, column c turned by 90 * weight(c, segment) degrees.
template <class Fish>
struct QuarterBendCase {
    const char* name;
    void (Fish::*draw)(const FishFrame&);
    const FishVertex* mesh;
    int columns, segment;
    std::function<double(int c, int segment)> weight;
};

// The weight of a column that turns whole with segment takes(c), else not at all.
inline std::function<double(int c, int segment)> TurnsWith(std::function<int(int c)> takes)
{
    return [takes](int c, int segment) { return takes(c) == segment ? 1.0 : 0.0; };
}

// Each case's part turns as its weights say; `bend` is the frame's bend
// array, `strip` the first strip's primitive (after any empty quads).
template <class Fish, size_t N>
void ExpectQuarterBendTurns(VertexRecorder& recorder, Fish& fish, int bend, const QuarterBendCase<Fish> (&cases)[N],
                            size_t strip = 0, float size = 5)
{
    using Vec = std::array<float, 3>;
    for (const QuarterBendCase<Fish>& k : cases) {
        FishFrame f;
        f[bend][k.segment] = 90.0f;
        recorder.primitives.clear();
        (fish.*k.draw)(f);
        ASSERT_GT(recorder.primitives.size(), strip) << k.name;
        const std::vector<RecordedVertex>& drawn = recorder.primitives[strip].vertices;
        ASSERT_EQ(drawn.size(), size_t(2 * k.columns)) << k.name;
        for (int c = 0; c < k.columns; ++c)
            for (int second = 0; second < 2; ++second) {
                const FishVertex& p = k.mesh[second * k.columns + c];
                const Vec stored{p.x * size, p.y * size, p.z * size};
                ExpectSamePoint(drawn[2 * c + second].position,
                                TurnedAboutZ(stored, static_cast<float>(90.0 * k.weight(c, k.segment))),
                                std::string(k.name) + " column " + std::to_string(c));
            }
    }
}

// A fish born with pitch 0, `frames` frames drawn by frame(): y never changes
// and the body never tilts; the target heading changes only at an x wall
// (wall state 1 or 2, past 49 from the middle), at least twice.
template <class Fish>
void ExpectShuttlesBetweenTheXWallsLevel(Fish& fish, int frames, const std::function<void()>& frame)
{
    const float y = fish.m_fPos[1];
    int turns = 0, last = fish.m_nTargetHeading;
    for (int k = 0; k < frames; ++k) {
        const float x = fish.m_fPos[0];
        frame();
        if (fish.m_nTargetHeading != last) {
            ++turns;
            EXPECT_TRUE(fish.m_nWallState == 1 || fish.m_nWallState == 2) << "frame " << k;
            EXPECT_GT(std::fabs(x), 49.0f) << "frame " << k;
            last = fish.m_nTargetHeading;
        }
        ASSERT_EQ(fish.m_fPos[1], y) << "frame " << k;
        ASSERT_EQ(fish.m_fShownPitch, 0.0f) << "frame " << k;
        ASSERT_EQ(fish.TargetPitch(), 0.0f);
    }
    EXPECT_GE(turns, 2);
}

// A fish at y 0 with target pitch 30, 4000 frames drawn by frame(): the
// target stays at plus or minus 30 and flips (at least twice) only at the top
// and the bottom (wall state 5 or 6), where the fish slows to 0.025; it
// reaches 13 (the top 3 + 10) and -17 (the bottom -22 + 5).
// shown(target, shownBefore, frame) checks the drawn pitch after each frame.
template <class Fish>
void ExpectZigzagsBetweenTopAndBottom(Fish& fish, const std::function<void()>& frame,
                                      const std::function<void(float target, float shown, int frame)>& shown)
{
    fish.m_fPitch = 30;
    fish.m_fPos[1] = 0;
    float lowest = 1e9f, highest = -1e9f;
    int flips = 0;
    for (int k = 0; k < 4000; ++k) {
        const float before = fish.TargetPitch(), shownBefore = fish.m_fShownPitch;
        frame();
        ASSERT_EQ(std::fabs(fish.TargetPitch()), 30.0f);
        if (fish.TargetPitch() != before) {
            ++flips;
            EXPECT_TRUE(fish.m_nWallState == 5 || fish.m_nWallState == 6);
            EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.025f) << "slowed at the top and the bottom";
        }
        shown(before, shownBefore, k);
        lowest = std::min(lowest, fish.m_fPos[1]);
        highest = std::max(highest, fish.m_fPos[1]);
    }
    EXPECT_GE(flips, 2);
    EXPECT_FLOAT_EQ(highest, 13.0f);
    EXPECT_FLOAT_EQ(lowest, -17.0f);
}

// The template's swim style at `factor` (1.5 for a target speed of 0.05 or
// more, else 1): blocks 0, 3 and 5 take their wave numbers, and their
// amplitudes and phase steps times the factor; the body block's amplitude
// only where `bodyAmplitude` (a body wave that writes its own leaves it).
inline void ExpectTemplateSwimStyle(const CFishModel& fish, double factor, bool bodyAmplitude = true)
{
    constexpr double pi = 3.14159265358979323846;
    const struct {
        int block;
        double waveNumber, amplitude, step;
    } set[] = {{0, pi / 12, 0.1, pi / 4}, {3, pi / 5, 0.015, pi / 8}, {5, pi / 16, 0.01, pi / 6}};
    for (const auto& s : set) {
        EXPECT_NEAR(fish.m_Wave[s.block].waveNumber, s.waveNumber, 1e-6) << s.block;
        if (s.block != 0 || bodyAmplitude) {
            EXPECT_NEAR(fish.m_Wave[s.block].amplitude, factor * s.amplitude, 1e-7) << s.block;
        }
        EXPECT_NEAR(fish.m_Wave[s.block].phaseStep, factor * s.step, 1e-6) << s.block;
    }
}

// `period` calls of gen(out, n): the phase of block `block` holds until the
// last of them, which steps it once by the block's phase step.
template <class Fish>
void ExpectPhaseStepsOnTheLastCall(Fish& fish, void (Fish::*gen)(float*, int), int block, float* out, int n,
                                   int period, const std::string& what)
{
    const FishWave& w = fish.m_Wave[block];
    const float start = w.phase;
    for (int call = 1; call <= period; ++call) {
        (fish.*gen)(out, n);
        EXPECT_EQ(w.phase, call < period ? start : start + w.phaseStep) << what << " call " << call;
    }
}

// Eight frames of a fish whose only random draws are the bend's: one a
// frame, one more on the third, when the heading (already at its target)
// settles the segments.
template <class Fish>
void ExpectOnlyTheBendDrawsInTheFirstFrames(VertexRecorder& recorder, Fish& fish)
{
    const int expected[8] = {1, 1, 2, 1, 1, 1, 1, 1};
    for (int frame = 0; frame < 8; ++frame) {
        recorder.primitives.clear();
        EXPECT_EQ(RandDraws([&] { fish.Draw(0); }), expected[frame]) << "frame " << frame + 1;
    }
}

// `frames` frames of the same fish round to a heading of 180: one draw a
// frame, two on a frame that settles the segments; by the end the heading
// and its segments have arrived. Returns the frames that drew twice.
template <class Fish>
int FramesSettlingRoundTo180(VertexRecorder& recorder, Fish& fish, int frames)
{
    fish.m_nTargetHeading = 180;
    int settling = 0;
    for (int frame = 0; frame < frames; ++frame) {
        recorder.primitives.clear();
        const int draws = RandDraws([&] { fish.Draw(0); });
        EXPECT_TRUE(draws == 1 || draws == 2) << frame;
        settling += draws == 2;
    }
    EXPECT_EQ(fish.m_fHeading, 180.0f);
    EXPECT_EQ(fish.m_bBendSettled, 1);
    return settling;
}

// A copy of `fish` with its wander timer at each of `starts`: the timer
// reaches 301 on frame 301 - start, and the next frame decides (the stroke
// flips, the new timer is below 150).
template <class Fish>
void ExpectFirstWanderDecisionAsTheTimerPasses300(VertexRecorder& recorder, const Fish& fish,
                                                  std::initializer_list<int> starts)
{
    for (int start : starts) {
        Fish f = fish;
        f.m_nWanderTimer = start;
        for (int frame = 1; frame < 302 - start; ++frame) {
            recorder.primitives.clear();
            f.Draw(0);
        }
        EXPECT_EQ(f.m_nWanderTimer, 301) << start;
        const BYTE stroke = f.m_bStroke;
        recorder.primitives.clear();
        f.Draw(0);
        EXPECT_NE(f.m_bStroke, stroke) << start;
        EXPECT_LT(f.m_nWanderTimer, 150) << start;
    }
}

// A wander decision of a copy of `fish` (its timer past 300, target pitch 10,
// clear of the z walls' speed change) after srand(seed), for each seed: the
// values drawn from the `counter`-th on are the new timer (% 150), the target
// speed, the heading (odd: 180), the pitch (10 less 15 + r % 15) and, where
// the timer is over 50, the slow speed (0.025, or 0.035 for an odd draw); the
// stroke is clear, and the frame draws `draws` values, one more when it slows.
// check(fish) looks at the fish after its decision.
template <class Fish>
void ExpectWanderDecisionDrawsInOrder(const Fish& fish, std::initializer_list<unsigned> seeds, int counter, int draws,
                                      const std::function<void(Fish&)>& check)
{
    for (unsigned seed : seeds) {
        const auto deciding = [&] {
            Fish f = fish;
            f.m_nWanderTimer = 301;
            f.m_fPitch = 10;
            f.m_fPos[2] = -100;
            return f;
        };
        Fish f = deciding();
        crt::srand(seed);
        f.Draw(0);
        const int timer = RandValue(counter, seed) % 150;
        EXPECT_EQ(f.m_nWanderTimer, timer) << seed;
        EXPECT_EQ(f.m_nTargetHeading, RandValue(counter + 2, seed) % 2 ? 180 : 0) << seed;
        EXPECT_EQ(f.m_fPitch, 10.0f - static_cast<float>(RandValue(counter + 3, seed) % 15 + 15)) << seed;
        EXPECT_EQ(f.m_bStroke, 0) << seed;
        const bool slows = timer > 50;
        if (slows) {
            EXPECT_FLOAT_EQ(f.m_fSpeed, static_cast<float>(RandValue(counter + 4, seed) % 2) * 0.01f + 0.025f)
                << seed;
        }
        Fish g = deciding();
        EXPECT_EQ(RandDraws([&] { g.Draw(0); }, seed), draws + (slows ? 1 : 0)) << seed;
        check(f);
    }
}
