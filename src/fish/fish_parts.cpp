// The strip emitter of the mesh parts.
#include "fish/fish_model.h"

#include "gfx/vertex_sink.h"

#include <GL/glew.h>

#include <algorithm>
#include <iterator>

float CFishModel::Sample(const Track& track, const FishFrame& frame, const GridPoint& point) const
{
    const int column = point.column;
    if (track.mode == Track::kNone)
        return 0.0f;
    if (track.mode == Track::kHook)
        return track.hook(*this, frame, point);
    if (track.array == kDriftArray)
        return m_fDrift;
    const float* v = frame[track.array];
    auto entry = [v](int i, int j) { return i == j ? v[i] : (v[i] + v[j]) * 0.5f; };
    switch (track.mode) {
    case Track::kFixed:
        return entry(track.a, track.a2);
    case Track::kColumn:
        return v[track.a + column];
    case Track::kLerp: {
        const float from = entry(track.a, track.a2);
        return from + column * (entry(track.b, track.b2) - from) / track.steps;
    }
    default:
        return 0.0f;
    }
}

void CFishModel::DrawGridPart(const GridPart& part, const FishFrame& frame)
{
    IVertexSink& sink = VertexSink();
    const FishMesh& mesh = part.mesh;
    const int columns = part.drawnColumns ? std::min(part.drawnColumns(m_nDrawVariant), mesh.columns) : mesh.columns;
    const bool turns = part.turn.mode != Track::kNone;
    const int firstPass = part.mirror == Mirror::Twin ? 1 : 0;
    const int lastPass = part.mirror == Mirror::None ? 0 : 1;
    const float size = static_cast<float>(m_nSize);

    // Tracks that depend on the column only are read once per column; hooks
    // are asked at every point.
    float angleOf[kFishMaxArrayLength];
    float termOf[std::size(GridPart{}.terms)][kFishMaxArrayLength];
    for (int c = 0; c < columns; ++c) {
        const GridPoint at{0, 0, c, false};
        if (turns && part.turn.mode != Track::kHook)
            angleOf[c] = Sample(part.turn, frame, at);
        for (size_t t = 0; t < std::size(part.terms); ++t)
            if (part.terms[t].track.mode != Track::kHook)
                termOf[t][c] = Sample(part.terms[t].track, frame, at);
    }

    // Point c of row r, its offsets added; the rotation is set only when its
    // angle changes, which leaves the same matrix as setting it every time.
    bool haveAngle = false;
    float angle = 0.0f;
    auto emit = [&](const GridPoint& at) {
        const int c = at.column;
        if (turns) {
            const float a = part.turn.mode == Track::kHook ? Sample(part.turn, frame, at) : angleOf[c];
            if (!haveAngle || a != angle) {
                SetPartRotation(a, 0.0f, 0.0f, 1.0f);
                angle = a;
                haveAngle = true;
            }
        }
        float before[3] = {0.0f, 0.0f, 0.0f};  // size-1 units
        float after[3] = {0.0f, 0.0f, 0.0f};   // added after scaling
        for (size_t t = 0; t < std::size(part.terms); ++t) {
            const WaveTerm& term = part.terms[t];
            if (term.track.mode == Track::kNone || !((term.rows >> at.row) & 1u))
                continue;
            const float value = term.track.mode == Track::kHook ? Sample(term.track, frame, at) : termOf[t][c];
            const float v = at.mirrored ? value * term.mirrorSign : value;
            float* into = term.scaled ? before : after;
            into[0] += v * term.x;
            into[1] += v * term.y;
            into[2] += v * term.z;
        }
        if (part.offsetHook)
            part.offsetHook(*this, frame, at, before);
        const FishVertex& p = mesh.points[at.row * mesh.columns + c];
        EmitVertex((p.x + before[0]) * size + after[0], ((at.mirrored ? -p.y : p.y) + before[1]) * size + after[1],
                   (p.z + before[2]) * size + after[2], p.nx, p.ny, p.nz, p.s, p.t);
    };

    if (part.emptyQuadsFirst) {
        sink.Begin(GL_QUADS);
        sink.End();
    }
    for (int r = 0; r + 1 < mesh.rows; ++r) {
        for (int pass = firstPass; pass <= lastPass; ++pass) {
            sink.Begin(GL_QUAD_STRIP);
            for (int c = 0; c < columns; ++c) {
                emit({r, r, c, pass == 1});
                emit({r, r + 1, c, pass == 1});
            }
            sink.End();
        }
    }
}
