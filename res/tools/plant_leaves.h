// The leaf forms of the plants, shared by their mesh generators and texture
// painters: the outline of each form as a half width along the leaf, and a
// blade built on a curved midline with that outline (leaf_kit.h samples it
// to the grid a plant draws). Lengths are table units; u runs from 0 at the
// leaf's root to 1 at its tip.
#pragma once
#include "leaf_kit.h"

#include <cmath>

namespace plant_leaves {

using leaf::Blade;
using leaf::Column;
using leaf::Curve;
using leaf::Grid;
using leaf::Point;
using leaf::TexRect;
using leaf::Vec;

enum class LeafForm {
    Sword,       // long, nearly parallel sides on a short stalk, tapering to a point (sword plants)
    Lanceolate,  // widest a third of the way up, tapering to a long point
    Round,       // broad and blunt from a heart-shaped base (Anubias, Cryptocoryne)
    GrassBlade,  // a narrow ribbon of nearly even width with a short point
    Fern,        // a lanceolate frond cut into lobes down both sides
};

// The half width of a leaf of the form at u, as a fraction of its widest
// (about 1); 0 at the tip. A fern frond has `lobes` lobes a side.
inline double FormWidth(LeafForm form, double u, int lobes = 8)
{
    static const Curve<double> sword(
        {{0.0, 0.1}, {0.1, 0.4}, {0.28, 0.88}, {0.5, 1.0}, {0.72, 0.86}, {0.9, 0.42}, {1.0, 0.0}});
    static const Curve<double> lanceolate(
        {{0.0, 0.28}, {0.1, 0.68}, {0.3, 1.0}, {0.55, 0.9}, {0.8, 0.5}, {0.95, 0.12}, {1.0, 0.0}});
    static const Curve<double> round(
        {{0.0, 0.4}, {0.07, 0.78}, {0.3, 1.0}, {0.55, 0.95}, {0.8, 0.62}, {0.95, 0.22}, {1.0, 0.0}});
    static const Curve<double> grass({{0.0, 0.75}, {0.06, 1.0}, {0.7, 0.9}, {0.93, 0.45}, {1.0, 0.0}});
    switch (form) {
    case LeafForm::Sword:
        return sword(u);
    case LeafForm::Lanceolate:
        return lanceolate(u);
    case LeafForm::Round:
        return round(u);
    case LeafForm::GrassBlade:
        return grass(u);
    case LeafForm::Fern: {
        // Deep rounded lobes, shallower towards the tip.
        const double lobe = std::pow(0.5 + 0.5 * std::cos(2 * leaf::kPi * lobes * u), 0.6);
        return lanceolate(u) * (1.0 - (0.55 - 0.3 * u) * (1.0 - lobe));
    }
    }
    return 0.0;
}

// A blade of a leaf form along a midline through the knots (u, point),
// widest at maxHalfWidth, its width spanning `across` (turned about the
// midline by twist(u) radians), cupped: the edges stand `cup` half widths
// out of the sheet, on the side SampleBlade's `outside` names.
inline Blade FormBlade(LeafForm form, std::vector<std::pair<double, Vec>> spineKnots, double maxHalfWidth, Vec across,
                       double cup, std::function<double(double)> twist = nullptr, int lobes = 8)
{
    const Curve<Vec> spine(std::move(spineKnots));
    Blade b;
    b.spine = spine;
    b.halfWidth = [=](double u) { return maxHalfWidth * FormWidth(form, u, lobes); };
    b.across = [=](double u) {
        const Vec tangent = leaf::Normalized(spine(std::min(1.0, u + 1e-4)) - spine(std::max(0.0, u - 1e-4)));
        Vec w = leaf::Normalized(across - tangent * leaf::Dot(across, tangent));
        if (twist)
            w = leaf::Rotated(w, tangent, twist(u));
        return w;
    };
    b.relief = [=](double, double v) { return cup * v * v; };
    return b;
}

}  // namespace plant_leaves
