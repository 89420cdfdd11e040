// Fish kind K: its twelve wave blocks ({} a block left zero), and
// the game window's 4 arrays of it.
#include "fish/fish_kind_k.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWaveBelow, kRampWave, kRampWave, WaveBelow(5, 0.01f, 8), WaveBelow(5, 0.01f, 8), WaveBelow(24, 0.05f, 8),
    {}, WaveBelow(20, 0.01f, 8), WaveBelow(2, 0.02f, 6), WaveBelow(4, 0.01f, 6), WaveBelow(4, 0.03f, 24),
    WaveBelow(4, 0.02f, 24),
};
const FishKindRegistrar<CFishKindK> kRegistered("K", 4);
}  // namespace

constexpr FishClass kFishKindK = fishkind::Kind({.name = "kind K", .waves = kWaves});
