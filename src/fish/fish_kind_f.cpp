// Fish kind F: its twelve wave blocks ({} a block left zero), and
// the game window's 3 arrays of it.
#include "fish/fish_kind_f.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWaveBelow, kRampWave, kRampWave, WaveBelow(4, 0.004f, 8), WaveBelow(5, 0.004f, 8), WaveBelow(24, 0.05f, 8),
    WaveBelow(16, 0.01f, 6), WaveBelow(20, 0.0005f, 8), {}, WaveBelow(16, 0.01f, 6), WaveBelow(4, 0.01f, 24), {},
};
const FishKindRegistrar<CFishKindF> kRegistered("F", 3);
}  // namespace

constexpr FishClass kFishKindF = fishkind::Kind({.name = "kind F", .waves = kWaves});
