// What the fish kinds kept outside the species table have in common: the
// game window keeps arrays of them that nothing ever sizes, so they are only
// built, given a swim box and destroyed (no Draw, no waves run). Each kind
// differs in its wave blocks.
#pragma once
#include "fish/fish_model.h"

namespace fishkind {

constexpr float kPi2 = 1.570796f, kPi4 = 0.7853981f, kPi5 = 0.6283185f, kPi6 = 0.5235987f, kPi8 = 0.3926991f;
constexpr float kPi10 = 0.3141592f, kPi12 = 0.2617994f, kPi16 = 0.1963495f, kPi20 = 0.1570796f, kPi24 = 0.1308997f;

// Blocks 1 to 3 of every kind: the body wave and two ramps.
constexpr FishWave kBodyWave = {0, 0, kPi12, 0.1f, kPi4};
constexpr FishWave kRampWave = {0, 0, 0, 0.003f, 0};

// Pitch, the two ramps' counters, the wander timer.
constexpr RandDraw kDraws[] = {
    {RandDraw::kPitch, 45},
    {RandDraw::kCounter, 15, 1},
    {RandDraw::kCounter, 15, 2},
    {RandDraw::kWanderTimer, 200},
};

constexpr FishClass Kind(const char* name, std::span<const FishWave> waves)
{
    return {.name = name,
            .segments = 15,
            .waves = waves,
            .draws = kDraws,
            .speed = 0.1f,
            .bodyDims = {1.0f, 0.36675f, 0.331898f},
            .drift = false};
}

}  // namespace fishkind
