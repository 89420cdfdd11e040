// Fish kind B: its wave blocks, 11 of them ({} is a block left zero).
#include "fish/fish_kind_b.h"

#include "fish/fish_kind.h"
#include "fish/fish_registry.h"

namespace {

using namespace fishkind;

constexpr FishWave kWaves[] = {
    kBodyWave,  // 1
    kRampWave,  // 2
    kRampWave,  // 3
    {0, 0, kPi16, 0.005f, kPi6},  // 4
    {},  // 5
    {0, 0, kPi8, 0.03f, kPi6},  // 6
    {},  // 7
    {0, 0, kPi16, 0.02f, kPi2},  // 8
    {},  // 9
    {0, 0, kPi16, 0.01f, kPi6},  // 10
    {0, 0, kPi10, 0.02f, kPi4},  // 11
};

}  // namespace

constexpr FishClass kFishKindB = Kind("kind B", kWaves);
static_assert(CheckFishClass(kFishKindB));

namespace {
const FishKindRegistrar<CFishKindB> kRegistered("B", 2);
}  // namespace
