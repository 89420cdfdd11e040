// Fish kind L: its twelve wave blocks ({} a block left zero) on the layout
// of species 11 (17 segments, the drift fields), its size 15 and fixed pitch
// of 90, and the game window's 1 array of it.
#include "fish/fish_kind_l.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
// No pitch is drawn: the counters of blocks 2 and 3, then the wander timer.
constexpr RandDraw kDraws[] = {
    {RandDraw::kCounter, 15, 2}, {RandDraw::kCounter, 15, 3}, {RandDraw::kWanderTimer, 200}};
constexpr FishWave kWaves[] = {
    {}, WaveBelow(16, 0.01f, 4), kRampWave, kRampWave, WaveBelow(20, 0.01f, 6), {},
    WaveBelow(16, 0.01f, 6), {}, WaveBelow(16, 0.03f, 6), {}, WaveBelow(16, 0.01f, 6), WaveBelow(10, 0.02f, 4),
};
const FishKindRegistrar<CFishKindL> kRegistered("L", 1);
}  // namespace

constexpr FishClass kFishKindL = fishkind::Kind({.name = "kind L", .waves = kWaves, .segments = 17, .size = 15,
                                                     .speed = 0.05f, .pitch = 90.0f, .draws = kDraws,
                                                     .bodyDims = {1.0f, 0.34605f, 0.2778f}, .drift = true});
