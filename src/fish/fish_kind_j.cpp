// Fish kind J: its ten wave blocks ({} a block left zero) with ramps of
// slope 0.005, the drift fields, its own body, and the game window's 2
// arrays of it.
#include "fish/fish_kind_j.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kRamp = {0, 0, 0, 0.005f, 0};
constexpr FishWave kWaves[] = {
    WaveBelow(16, 0.01f, 6), kRamp, kRamp, WaveBelow(2, 0.01f, 6), WaveBelow(24, 0.05f, 8),
    WaveBelow(24, 0.05f, 8), WaveBelow(20, 0.01f, 8), WaveBelow(16, 0.01f, 6), WaveBelow(2, 0.01f, 6),
    WaveBelow(8, 0.03f, 6),
};
const FishKindRegistrar<CFishKindJ> kRegistered("J", 2);
}  // namespace

constexpr FishClass kFishKindJ = fishkind::Kind({.name = "kind J", .waves = kWaves,
                                                     .bodyDims = {1.0f, 0.34605f, 0.2778f}, .drift = true});
