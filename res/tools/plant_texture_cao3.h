// cao3: sway plant C's broad, arcuate-veined leaf (plant kind 15).
#pragma once
#include "plant_mesh_sway.h"
#include "plant_textures.h"

namespace plant_textures {

// ---- cao3: sway plant C's broad, arcuate-veined leaf -------------------------

inline Image SwayBroadLeaf()
{
    using namespace sway_leaves;
    Image img = Tissue(FromBytes(26, 74, 30), FromBytes(72, 128, 52), 521);
    const LeafLook look{FromBytes(30, 96, 36),
                        FromBytes(66, 134, 48),
                        FromBytes(150, 196, 100),
                        FromBytes(176, 206, 116),
                        FromBytes(118, 170, 86),
                        Venation::Arcuate,
                        2,
                        0.0f,
                        0.07f,
                        0.6f,
                        522};
    // The half leaf in texture space: t rises from the stalk to the tip, and
    // at each t the leaf spans s from the midrib to the rim.
    const LeafC leafC = SwayLeafC();
    std::vector<std::pair<double, double>> rib, rim;
    for (const Point& q : leafC.vein[0])
        rib.push_back({q.t, q.s});
    rim.push_back(rib.front());  // the base runs from the stalk out to the rim
    for (const Point& q : leafC.edge[0])
        rim.push_back({q.t, q.s});
    rib.push_back(rim.back());
    const Curve<double> ribS(rib), rimS(rim);
    const double tLow = rib.front().first, tHigh = rib.back().first;
    PaintRect(img, kLeafCEdgeS[0], kLeafCEdgeS[1], kLeafCEdgeT[0], kLeafCEdgeT[1],
              [&](double s, double t, float px, float py) {
                  const double width = std::max(1e-3, rimS(t) - ribS(t));
                  const float u = Clamp01(static_cast<float>((t - tLow) / (tHigh - tLow)));
                  const float v = Clamp01(static_cast<float>(std::abs(s - ribS(t)) / width));
                  return LeafAt(look, u, v, 1.0f, px, py);
              });
    return img;
}

inline const bool kCao3 = RegisterPicture("cao3", SwayBroadLeaf);

}  // namespace plant_textures
