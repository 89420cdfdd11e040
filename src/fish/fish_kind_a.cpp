// Fish kind A: its twelve wave blocks ({} a block left zero), and the
// game window's 1 array of it.
#include "fish/fish_kind_a.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWave, kRampWave, kRampWave, Wave(16, 0.005f, 6), {}, Wave(16, 0.01f, 6),
    {}, Wave(16, 0.03f, 6), {}, Wave(16, 0.01f, 6), Wave(10, 0.02f, 4), Wave(4, 0.02f, 6),
};
const FishKindRegistrar<CFishKindA> kRegistered("A", 1);
}  // namespace

constexpr FishClass kFishKindA = fishkind::Kind({.name = "kind A", .waves = kWaves});
