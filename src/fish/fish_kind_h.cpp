// Fish kind H: its twelve wave blocks ({} a block left zero), and
// the game window's 1 array of it.
#include "fish/fish_kind_h.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWaveBelow, kRampWave, kRampWave, WaveBelow(16, 0.005f, 6), {}, WaveBelow(16, 0.01f, 6),
    WaveBelow(16, 0.01f, 6), WaveBelow(4, 0.03f, 6), {}, WaveBelow(16, 0.01f, 6), WaveBelow(10, 0.02f, 4),
    WaveBelow(10, 0.02f, 4),
};
const FishKindRegistrar<CFishKindH> kRegistered("H", 1);
}  // namespace

constexpr FishClass kFishKindH = fishkind::Kind({.name = "kind H", .waves = kWaves});
