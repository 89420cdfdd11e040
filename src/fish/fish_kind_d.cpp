// Fish kind D: its wave blocks, 11 of them ({} is a block left zero).
#include "fish/fish_kind_d.h"

#include "fish/fish_kind.h"
#include "fish/fish_registry.h"

namespace {

using namespace fishkind;

constexpr FishWave kWaves[] = {
    kBodyWave,  // 1
    kRampWave,  // 2
    kRampWave,  // 3
    {0, 0, kPi5, 0.005f, kPi8},  // 4
    {0, 0, kPi5, 0.005f, kPi8},  // 5
    {0, 0, kPi24, 0.04f, kPi8},  // 6
    {},  // 7
    {0, 0, kPi20, 0.01f, kPi8},  // 8
    {0, 0, kPi2, 0.02f, kPi6},  // 9
    {0, 0, kPi4, 0.008f, kPi6},  // 10
    {0, 0, kPi4, 0.05f, kPi24},  // 11
};

}  // namespace

constexpr FishClass kFishKindD = Kind("kind D", kWaves);
static_assert(CheckFishClass(kFishKindD));

namespace {
const FishKindRegistrar<CFishKindD> kRegistered("D", 2);
}  // namespace
