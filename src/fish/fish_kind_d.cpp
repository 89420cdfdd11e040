// Fish kind D: its eleven wave blocks ({} a block left zero), and the
// game window's 2 arrays of it.
#include "fish/fish_kind_d.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWave, kRampWave, kRampWave, Wave(5, 0.005f, 8), Wave(5, 0.005f, 8), Wave(24, 0.04f, 8),
    {}, Wave(20, 0.01f, 8), Wave(2, 0.02f, 6), Wave(4, 0.008f, 6), Wave(4, 0.05f, 24),
};
const FishKindRegistrar<CFishKindD> kRegistered("D", 2);
}  // namespace

constexpr FishClass kFishKindD = fishkind::Kind({.name = "kind D", .waves = kWaves});
