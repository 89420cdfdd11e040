// Fish kind E: its wave blocks, 12 of them ({} is a block left zero).
#include "fish/fish_kind_e.h"

#include "fish/fish_kind.h"
#include "fish/fish_registry.h"

namespace {

using namespace fishkind;

constexpr FishWave kWaves[] = {
    kBodyWave,  // 1
    kRampWave,  // 2
    kRampWave,  // 3
    {0, 0, kPi5, 0.01f, kPi8},  // 4
    {0, 0, kPi5, 0.01f, kPi8},  // 5
    {0, 0, kPi24, 0.05f, kPi8},  // 6
    {0, 0, kPi16, 0.05f, kPi6},  // 7
    {0, 0, kPi20, 0.02f, kPi8},  // 8
    {},  // 9
    {0, 0, kPi4, 0.01f, kPi6},  // 10
    {0, 0, kPi2, 0.01f, kPi24},  // 11
    {},  // 12
};

}  // namespace

constexpr FishClass kFishKindE = Kind("kind E", kWaves);
static_assert(CheckFishClass(kFishKindE));

namespace {
const FishKindRegistrar<CFishKindE> kRegistered("E", 2);
}  // namespace
