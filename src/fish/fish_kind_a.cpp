// Fish kind A: its wave blocks, 12 of them ({} is a block left zero).
#include "fish/fish_kind_a.h"

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
    {0, 0, kPi16, 0.01f, kPi6},  // 6
    {},  // 7
    {0, 0, kPi16, 0.03f, kPi6},  // 8
    {},  // 9
    {0, 0, kPi16, 0.01f, kPi6},  // 10
    {0, 0, kPi10, 0.02f, kPi4},  // 11
    {0, 0, kPi4, 0.02f, kPi6},  // 12
};

}  // namespace

constexpr FishClass kFishKindA = Kind("kind A", kWaves);
static_assert(CheckFishClass(kFishKindA));

namespace {
const FishKindRegistrar<CFishKindA> kRegistered("A", 1);
}  // namespace
