// Fish kind C: its eleven wave blocks ({} a block left zero), and the
// game window's 1 array of it.
#include "fish/fish_kind_c.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWave, kRampWave, kRampWave, Wave(16, 0.005f, 6), {}, Wave(16, 0.03f, 4),
    {}, Wave(16, 0.03f, 4), {}, Wave(16, 0.01f, 6), Wave(10, 0.02f, 4),
};
const FishKindRegistrar<CFishKindC> kRegistered("C", 1);
}  // namespace

constexpr FishClass kFishKindC = fishkind::Kind({.name = "kind C", .waves = kWaves});
