// cao8: plant model B, an Aponogeton-like plant (plant kind 5): long,
// light green leaves with lengthwise veins and fine cross veins, on an
// olive stalk that browns towards its bulb.
#pragma once
#include "plant_mesh_model_b.h"
#include "plant_textures.h"

namespace plant_textures {

inline Image AponogetonPicture()
{
    using namespace model_b_parts;
    Image img = Tissue(FromBytes(54, 96, 36), FromBytes(112, 156, 64), 801);
    // The stalk: brown at the bulb, olive green above.
    const double sLow = kStalkS[0], sHigh = kStalkS[kStalkColumns - 2];
    PaintRect(img, sLow, sHigh, kStalkT[0], kStalkT[1], [&](double s, double t, float px, float py) {
        const float u = Clamp01(static_cast<float>((t - kStalkT[0]) / (kStalkT[1] - kStalkT[0])));
        const float a = static_cast<float>((s - sLow) / (sHigh - sLow));
        const Rgb base = Mix(FromBytes(104, 78, 44), FromBytes(84, 120, 50), SmoothStep(0.15f, 0.45f, u));
        return StemAt(base, FromBytes(150, 178, 96), u, a, 0, px, py, 802);
    });
    // The leaves: lengthwise veins joined by cross veinlets, the tip lighter.
    const LeafLook look{FromBytes(62, 124, 44),
                        FromBytes(136, 180, 74),
                        FromBytes(166, 200, 110),
                        FromBytes(178, 206, 120),
                        FromBytes(150, 196, 100),
                        Venation::Arcuate,
                        3,
                        0.0f,
                        0.07f,
                        0.45f,
                        803};
    auto leaf = [&](const double* s, const double* t) {
        const double mid = s[1], half = s[2] - s[1];
        PaintRect(img, s[0], s[2], t[1], t[0], [&](double ps, double pt, float px, float py) {
            const float u = Clamp01(static_cast<float>((pt - t[1]) / (t[0] - t[1])));
            const float w = static_cast<float>((ps - mid) / half);
            return LeafAt(look, u, Clamp01(std::abs(w)), w < 0 ? -1.0f : 1.0f, px, py);
        });
    };
    leaf(kLongS, kLongT);
    leaf(kShortS, kShortT);
    return img;
}

inline const bool kCao8 = RegisterPicture("cao8", AponogetonPicture);

}  // namespace plant_textures
