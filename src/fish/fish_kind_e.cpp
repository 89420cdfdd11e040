// Fish kind E: its twelve wave blocks ({} a block left zero), and the
// game window's 2 arrays of it.
#include "fish/fish_kind_e.h"

#include "fish/fish_kind.h"

namespace {
using namespace fishkind;
constexpr FishWave kWaves[] = {
    kBodyWave, kRampWave, kRampWave, Wave(5, 0.01f, 8), Wave(5, 0.01f, 8), Wave(24, 0.05f, 8),
    Wave(16, 0.05f, 6), Wave(20, 0.02f, 8), {}, Wave(4, 0.01f, 6), Wave(2, 0.01f, 24), {},
};
const FishKindRegistrar<CFishKindE> kRegistered("E", 2);
}  // namespace

constexpr FishClass kFishKindE = fishkind::Kind({.name = "kind E", .waves = kWaves});
