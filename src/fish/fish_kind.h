// What the fish kinds kept outside the species table have in common: the
// game window keeps arrays of them that nothing ever sizes, so they are only
// built, given a swim box and destroyed (no Draw, no waves run). A kind's
// description says what its constructor sets; the rest is the template's.
#pragma once
#include "fish/fish_model.h"
#include "fish/fish_pi.h"
#include "fish/fish_registry.h"

namespace fishkind {

// A block of wave number pi / n, the amplitude a and phase step pi / s, in
// the rounded decimals of the first kinds (A to E).
constexpr FishWave Wave(int n, float a, int s) { return {0, 0, fishpi::rounded::Of(n), a, fishpi::rounded::Of(s)}; }

// Blocks 1 to 3 of the first kinds: the body wave and two ramps.
constexpr FishWave kBodyWave = Wave(12, 0.1f, 4);
constexpr FishWave kRampWave = {0, 0, 0, 0.003f, 0};

// The same block in the floats one step below pi / n, as the later kinds
// store their fractions of pi, and the body wave in that spelling.
constexpr FishWave WaveBelow(int n, float a, int s) { return {0, 0, fishpi::Below(n), a, fishpi::Below(s)}; }
constexpr FishWave kBodyWaveBelow = WaveBelow(12, 0.1f, 4);

// What a kind's constructor sets, with the values most kinds share.
struct KindDescription {
    const char* name = "";
    std::span<const FishWave> waves = {};
    int segments = 15;
    int size = 5;
    float speed = 0.1f;
    float pitch = 0.0f;  // the target pitch at birth, unless a draw sets it
    std::span<const RandDraw> draws = kTemplateDraws;
    float bodyDims[3] = {1.0f, 0.36675f, 0.331898f};
    bool drift = false;
};

// The class of a kind; a description that breaks the template's limits does
// not compile.
constexpr FishClass Kind(const KindDescription& d)
{
    const FishClass c = {.name = d.name,
                         .segments = d.segments,
                         .waves = d.waves,
                         .draws = d.draws,
                         .size = d.size,
                         .speed = d.speed,
                         .pitch = d.pitch,
                         .bodyDims = {d.bodyDims[0], d.bodyDims[1], d.bodyDims[2]},
                         .drift = d.drift};
    if (!CheckFishClass(c))
        throw "a fish kind outside the template's limits";
    return c;
}

}  // namespace fishkind
