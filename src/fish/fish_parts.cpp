// The strip emitter of the mesh parts.
#include "fish/fish_model.h"

#include "gfx/vertex_sink.h"

#include <GL/glew.h>

#include <algorithm>
#include <iterator>

float CFishModel::Sample(const Track& track, const FishFrame& frame, const GridPoint& point) const
{
    const int column = point.column;
    switch (track.mode) {
    case Track::kNone:
        return 0.0f;
    case Track::kHook:
        return track.hook(*this, frame, point);
    case Track::kConst:
        return track.value;
    case Track::kTable:
        return track.value * track.table[column];
    default:
        break;
    }
    if (track.array == kDriftArray)
        return m_fDrift;
    const float* v = frame[track.array];
    auto entry = [v](int i, int j) { return i == j ? v[i] : (v[i] + v[j]) * 0.5f; };
    switch (track.mode) {
    case Track::kFixed:
        return entry(track.a, track.a2);
    case Track::kColumn:
        return v[track.clampTo >= 0 ? std::min(track.a + column, track.clampTo) : track.a + column];
    case Track::kLerp: {
        const float from = entry(track.a, track.a2);
        return from + column / track.every * (entry(track.b, track.b2) - from) / track.steps;
    }
    case Track::kMap: {
        const int h = track.halfSteps[column];
        return entry(h / 2, (h + 1) / 2);
    }
    default:
        return 0.0f;
    }
}

namespace {

// The strip list of a part that names none: row r to row r + 1.
constexpr RowPair kChain[kFishMaxRows] = {{0, 1},   {1, 2},   {2, 3},   {3, 4},   {4, 5},   {5, 6},
                                          {6, 7},   {7, 8},   {8, 9},   {9, 10},  {10, 11}, {11, 12},
                                          {12, 13}, {13, 14}, {14, 15}, {15, 15}};

// What a part draws in one draw variant.
struct PartInVariant {
    std::span<const RowPair> strips;  // those drawn
    int columns = 0;
    GLenum primitive = GL_QUAD_STRIP;
    float stretch[kFishMaxRows][3];        // of the stored coordinates, per row
    float capStretch[3] = {1.0f, 1.0f, 1.0f};  // of the cap: the stretches of every row
    const WaveTerm* terms[kFishMaxTerms];
    int termCount = 0;
};

void Resolve(const GridPart& part, int v, PartInVariant& r)
{
    const MeshView& mesh = part.mesh;
    const std::span<const RowPair> strips =
        part.strips.empty() ? std::span<const RowPair>(kChain, static_cast<size_t>(mesh.rows - 1)) : part.strips;
    size_t count = strips.size();
    r.columns = part.columns ? part.columns : mesh.columns;
    for (const VariantLimit& limit : part.limits) {
        if (!InVariants(limit.variants, v))
            continue;
        if (limit.strips)
            count = std::min(count, static_cast<size_t>(limit.strips));
        if (limit.columns)
            r.columns = std::min(r.columns, limit.columns);
    }
    r.strips = strips.first(count);
    r.primitive = part.primitive;
    for (const VariantPrimitive& p : part.primitives)
        if (InVariants(p.variants, v))
            r.primitive = p.primitive;
    for (int row = 0; row < mesh.rows; ++row)
        r.stretch[row][0] = r.stretch[row][1] = r.stretch[row][2] = 1.0f;
    for (const VariantStretch& s : part.stretches) {
        if (!InVariants(s.variants, v))
            continue;
        const float k[3] = {s.x, s.y, s.z};
        for (int row = 0; row < mesh.rows; ++row)
            if ((s.rows >> row) & 1u)
                for (int i = 0; i < 3; ++i)
                    r.stretch[row][i] *= k[i];
        if (s.rows == kAllRows)
            for (int i = 0; i < 3; ++i)
                r.capStretch[i] *= k[i];
    }
    for (const WaveTerm& term : part.terms) {
        const bool inVariant = v >= 0 && v < 32 ? InVariants(term.variants, v) : term.variants == ~0u;
        if (term.track.mode != Track::kNone && inVariant)
            r.terms[r.termCount++] = &term;
    }
}

}  // namespace

void CFishModel::DrawGridPart(const GridPart& part, const FishFrame& frame)
{
    const AliveRule alive = m_pClass->alive;
    if (!m_bAlive && alive == AliveRule::Nothing)
        return;
    const bool empty = !m_bAlive && alive == AliveRule::EmptyStrips;
    if (part.before)
        part.before(*this);

    IVertexSink& sink = VertexSink();
    const MeshView& mesh = part.mesh;
    PartInVariant in;
    Resolve(part, m_nDrawVariant, in);
    const int columns = in.columns;
    const WaveTerm* const* terms = in.terms;
    const int termCount = in.termCount;

    // Tracks that depend on the column only are read once per column, hooks
    // at every point.
    const bool turns = part.turn.mode != Track::kNone;
    const bool turnsSecond = part.turnSecond.mode != Track::kNone;
    float angleOf[2][kFishMaxArrayLength];
    float termOf[kFishMaxTerms][kFishMaxArrayLength];
    for (int c = 0; c < columns; ++c) {
        const GridPoint at{0, 0, c};
        if (turns && part.turn.mode != Track::kHook)
            angleOf[0][c] = Sample(part.turn, frame, at);
        if (turnsSecond && part.turnSecond.mode != Track::kHook)
            angleOf[1][c] = Sample(part.turnSecond, frame, at);
        for (int t = 0; t < termCount; ++t)
            if (terms[t]->track.mode != Track::kHook)
                termOf[t][c] = Sample(terms[t]->track, frame, at);
    }

    // A point with its offsets added; the rotation is set only when its angle
    // changes, which leaves the same matrix as setting it every time.
    const float size = static_cast<float>(m_nSize);
    bool haveAngle = false;
    float angle = 0.0f;
    auto emit = [&](const FishVertex& p, const GridPoint& at) {
        const int c = at.column;
        const bool second = turnsSecond && !at.first && !at.cap;
        if (turns || second) {
            const Track& turn = second ? part.turnSecond : part.turn;
            const float a = turn.mode == Track::kHook || at.cap ? Sample(turn, frame, at) : angleOf[second][c];
            if (!haveAngle || a != angle) {
                SetPartRotation(a, 0.0f, 0.0f, 1.0f);
                angle = a;
                haveAngle = true;
            }
        }
        float before[3] = {0.0f, 0.0f, 0.0f};  // size-1 units
        float after[3] = {0.0f, 0.0f, 0.0f};   // added after scaling
        for (int t = 0; t < termCount; ++t) {
            const WaveTerm& term = *terms[t];
            const bool applies = at.cap ? term.rows == kAllRows
                                        : ((term.rows >> at.row) & 1u) && c >= term.fromColumn && c < term.toColumn;
            if (!applies)
                continue;
            const float value = term.track.mode == Track::kHook || at.cap ? Sample(term.track, frame, at) : termOf[t][c];
            const float w = at.mirrored ? value * term.mirrorSign : value;
            float* into = term.scaled ? before : after;
            into[0] += w * term.x;
            into[1] += w * term.y;
            into[2] += w * term.z;
        }
        if (part.offsetHook)
            part.offsetHook(*this, frame, at, before);
        const float* k = at.cap ? in.capStretch : in.stretch[at.row];
        const float y = at.mirrored ? -p.y : p.y;
        EmitVertex((p.x * k[0] + before[0]) * size + after[0], (y * k[1] + before[1]) * size + after[1],
                   (p.z * k[2] + before[2]) * size + after[2], p.nx, p.ny, p.nz, p.s, p.t);
    };

    auto sendColumns = [&](int s, bool mirrored) {
        const RowPair& rows = in.strips[static_cast<size_t>(s)];
        for (int c = 0; c < columns && !empty; ++c) {
            emit(mesh.At(rows.a, c / rows.divA), {s, rows.a, c, mirrored, true});
            for (int k = 0; k < rows.repeatB; ++k)
                emit(mesh.At(rows.b, c / rows.divB), {s, rows.b, c, mirrored, false});
        }
    };
    auto drawStrip = [&](int s, bool mirrored) {
        sink.Begin(in.primitive);
        sendColumns(s, mirrored);
        if (part.mirror == Mirror::InStrip)
            sendColumns(s, true);
        sink.End();
    };
    auto drawCap = [&](bool mirrored) {
        if (part.cap.points.empty())
            return;
        sink.Begin(part.cap.primitive);
        for (int i = 0; i < static_cast<int>(part.cap.points.size()) && !empty; ++i)
            emit(part.cap.points[static_cast<size_t>(i)], {0, -1, i, mirrored, true, true});
        sink.End();
    };

    if (part.emptyQuadsFirst) {
        sink.Begin(GL_QUADS);
        sink.End();
    }
    const int strips = static_cast<int>(in.strips.size());
    switch (part.mirror) {
    case Mirror::None:
    case Mirror::Twin: {
        const bool mirrored = part.mirror == Mirror::Twin;
        for (int s = 0; s < strips; ++s)
            drawStrip(s, mirrored);
        drawCap(mirrored);
        break;
    }
    case Mirror::InStrip:
        for (int s = 0; s < strips; ++s)
            drawStrip(s, false);
        drawCap(false);
        drawCap(true);
        break;
    case Mirror::Halves:
        for (int s = 0; s < strips; ++s) {
            drawStrip(s, false);
            drawStrip(s, true);
        }
        drawCap(false);
        drawCap(true);
        break;
    case Mirror::After:
        for (bool mirrored : {false, true}) {
            for (int s = 0; s < strips; ++s)
                drawStrip(s, mirrored);
            drawCap(mirrored);
        }
        break;
    }
}
