// Species 20, the ocellate river stingray: its mesh tables, built from its
// shapes (gen_fish_species20.h).
#pragma once
#include "gen_fish_species20.h"

namespace fish20 {

// The disc: row r round the half section at kRowTheta[r], column j at u = j / 12.
inline Grid Body(GridSize size)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int j = 0; j < size.columns; ++j)
            g[r][j] = BodyPoint(kDisc, kSkin, kColumns.U(static_cast<float>(j)), kRowTheta[r]);
    return g;
}

// A small patch just above the lobes where they leave the front edge, lit
// from above, in the rim's colour.
inline Grid Cap(GridSize size)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c) {
            Point& q = g[r][c];
            q.p = {kDisc.snoutX - 0.012f * Along(r, size.rows), Mix(0.088f, 0.122f, Along(c, size.columns)), -0.026f};
            q.n = {0, 0, 1};
            q.s = kCapS;
            q.t = kCapT;
        }
    return g;
}

// The tail: rings of four points round its middle line, closed by a fifth;
// column c at TailX(c), thinning to the tip.
inline Grid Tail(GridSize size)
{
    const V3 round[5] = {{0, 0, 1}, {0, 1, 0}, {0, 0, -1}, {0, -1, 0}, {0, 0, 1}};
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c) {
            const float a = Along(c, size.columns), b = Along(r, size.rows);
            const V3& d = round[r % 5];
            Point& q = g[r][c];
            q.p = {TailX(c), d.y * TailHalfWidth(a), kTailMidZ + d.z * TailHalfHeight(a)};
            q.n = d;
            q.s = Mix(kTailSkin.s0, kTailSkin.s1, b);
            q.t = Mix(kTailSkin.t0, kTailSkin.t1, a);
        }
    return g;
}

// The keel: a low crest on the disc's midline behind its dome, running on
// over the tail root, sunk into both.
inline Grid Keel(GridSize size)
{
    const int n = size.columns;
    std::vector<V3> root(n);
    for (int c = 0; c < n; ++c) {
        const float x = Mix(kKeelFrom, kKeelTo, Along(c, n));
        const float top = x < kDisc.tailX ? TopAt(x, 0.0f) : kTailMidZ + TailHalfHeight(x / kTailLength);
        root[c] = {x, kKeelY, top - 0.0028f};
    }
    static const Profile height{{0.0f, 0.006f}, {0.35f, 0.013f}, {0.7f, 0.014f}, {1.0f, 0.005f}};
    return MidlineFin(size, root, Sample(height, n), 1.0f, 0.3f, OnRegion(kKeelSkin));
}

// A front lobe: rows from its root inside the disc to its rounded front, columns across.
inline Grid Lobe(GridSize size)
{
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int c = 0; c < size.columns; ++c) {
            const float a = Along(c, size.columns), b = Along(r, size.rows);
            Point& q = g[r][c];
            q.p = LobePoint(a, b);
            q.n = {0, 0, 1};
            const ST st = kLobeSkin.At(a, b);
            q.s = st.s;
            q.t = st.t;
        }
    return g;
}

// An eye: apex, a ring part way down the dome, and the base ring sunk into
// the back; four sectors round from +x.
inline Grid Eye(GridSize size)
{
    const float skin = TopAt(kEyeX, kEyeY);
    const float ring[3] = {0.0f, 0.72f, 1.0f};
    const float lift[3] = {kEyeHeight, 0.55f * kEyeHeight, -kEyeSink};
    const int sectors = size.columns - 1;
    Grid g = MakeGrid(size);
    for (int r = 0; r < size.rows; ++r)
        for (int k = 0; k < size.columns; ++k) {
            const float phi = 2 * kPi * (k % sectors) / sectors;
            const float cx = std::cos(phi) * ring[r], cy = std::sin(phi) * ring[r];
            Point& q = g[r][k];
            q.p = {kEyeX + cx * kEyeHalfLength, kEyeY + cy * kEyeHalfWidth, skin + lift[r]};
            q.n = Normalize({cx, cy, 1.2f - ring[r]});
            const ST st = kEyeSkin.At(0.5f + 0.5f * cx, 0.5f + 0.5f * cy);
            q.s = st.s;
            q.t = st.t;
        }
    return g;
}

inline std::vector<MeshTable> Tables()
{
    return {Table<decltype(g_Fish20Cap)>("g_Fish20Cap", Cap),
            Table<decltype(g_Fish20Body)>("g_Fish20Body", Body),
            Table<decltype(g_Fish20Tail)>("g_Fish20Tail", Tail),
            Table<decltype(g_Fish20Keel)>("g_Fish20Keel", Keel),
            Table<decltype(g_Fish20Lobe)>("g_Fish20Lobe", Lobe),
            Table<decltype(g_Fish20Eye)>("g_Fish20Eye", Eye)};
}
inline const bool kMeshesRegistered = RegisterMeshes("fish/fish_species20_meshes.h", Tables, Half::PlusY);

}  // namespace fish20
