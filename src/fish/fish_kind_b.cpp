// Fish kind B: its eleven wave blocks ({} a block left zero), and the
// game window's 2 arrays of it.
#include "fish/fish_kind_b.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWave, kRampWave, kRampWave, Wave(16, 0.005f, 6), {}, Wave(8, 0.03f, 6),
    {}, Wave(16, 0.02f, 2), {}, Wave(16, 0.01f, 6), Wave(10, 0.02f, 4),
};
const FishKindRegistrar<CFishKindB> kRegistered("B", 2);
}  // namespace

constexpr FishClass kFishKindB = fishkind::Kind({.name = "kind B", .waves = kWaves});
