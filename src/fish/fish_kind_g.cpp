// Fish kind G: its twelve wave blocks ({} a block left zero), and
// the game window's 4 arrays of it.
#include "fish/fish_kind_g.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWaveBelow, kRampWave, kRampWave, WaveBelow(4, 0.01f, 8), WaveBelow(5, 0.005f, 8), WaveBelow(24, 0.05f, 8),
    {}, WaveBelow(20, 0.001f, 8), WaveBelow(2, 0.02f, 6), WaveBelow(4, 0.03f, 6), WaveBelow(4, 0.05f, 24),
    WaveBelow(4, 0.02f, 24),
};
const FishKindRegistrar<CFishKindG> kRegistered("G", 4);
}  // namespace

constexpr FishClass kFishKindG = fishkind::Kind({.name = "kind G", .waves = kWaves});
