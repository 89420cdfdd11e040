// What the fish kinds kept outside the species table have in common: the
// game window keeps arrays of them that nothing ever sizes, so they are only
// built, given a swim box and destroyed (no Draw, no waves run). Each kind
// differs in its wave blocks.
#pragma once
#include "fish/fish_model.h"
#include "fish/fish_registry.h"

namespace fishkind {

constexpr float kPi = 3.14159265f;

// A block of wave number pi / n, the amplitude a and phase step pi / s.
constexpr FishWave Wave(int n, float a, int s) { return {0, 0, kPi / n, a, kPi / s}; }

// Blocks 1 to 3 of every kind: the body wave and two ramps.
constexpr FishWave kBodyWave = Wave(12, 0.1f, 4);
constexpr FishWave kRampWave = {0, 0, 0, 0.003f, 0};

// The description of a kind; a description that breaks the template's
// limits does not compile.
constexpr FishClass Kind(const char* name, std::span<const FishWave> waves)
{
    const FishClass c = {.name = name,
            .segments = 15,
            .waves = waves,
            .draws = kTemplateDraws,
            .speed = 0.1f,
            .bodyDims = {1.0f, 0.36675f, 0.331898f},
            .drift = false};
    if (!CheckFishClass(c))
        throw "a fish kind outside the template's limits";
    return c;
}

}  // namespace fishkind
