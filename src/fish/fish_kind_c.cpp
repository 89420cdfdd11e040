// Fish kind C: its wave blocks, 11 of them ({} is a block left zero).
#include "fish/fish_kind_c.h"

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
    {0, 0, kPi16, 0.03f, kPi4},  // 6
    {},  // 7
    {0, 0, kPi16, 0.03f, kPi4},  // 8
    {},  // 9
    {0, 0, kPi16, 0.01f, kPi6},  // 10
    {0, 0, kPi10, 0.02f, kPi4},  // 11
};

}  // namespace

constexpr FishClass kFishKindC = Kind("kind C", kWaves);
static_assert(CheckFishClass(kFishKindC));

namespace {
const FishKindRegistrar<CFishKindC> kRegistered("C", 1);
}  // namespace
