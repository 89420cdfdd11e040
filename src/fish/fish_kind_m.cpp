// Fish kind M: its fourteen wave blocks ({} a block left zero), the drift
// fields, and the game window's 2 arrays of it.
#include "fish/fish_kind_m.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
// The pitch, the counters of blocks 4 and 5, then the wander timer.
constexpr RandDraw kDraws[] = {
    {RandDraw::kPitch, 45}, {RandDraw::kCounter, 15, 4}, {RandDraw::kCounter, 15, 5}, {RandDraw::kWanderTimer, 200}};
constexpr FishWave kWaves[] = {
    {}, {}, {}, WaveBelow(16, 0.01f, 4), kRampWave, kRampWave, WaveBelow(4, 0.01f, 6), {},
    WaveBelow(16, 0.01f, 6), {}, WaveBelow(16, 0.03f, 6), WaveBelow(10, 0.03f, 6), WaveBelow(16, 0.01f, 6),
    WaveBelow(10, 0.02f, 4),
};
const FishKindRegistrar<CFishKindM> kRegistered("M", 2);
}  // namespace

constexpr FishClass kFishKindM = fishkind::Kind({.name = "kind M", .waves = kWaves, .speed = 0.05f, .draws = kDraws,
                                                     .bodyDims = {1.0f, 0.34605f, 0.2778f}, .drift = true});
