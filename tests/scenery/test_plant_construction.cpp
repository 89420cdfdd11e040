// How many values of the shared rand() sequence each plant constructor takes:
// the order of the draws places everything built after a plant.
#include "platform/crt.h"
#include "scenery/sway_plant_a.h"
#include "scenery/sway_plant_b.h"
#include "scenery/sway_plant_c.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(PlantConstruction, EachConstructorTakesItsDraws)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CPlantModel>()> make;
        int draws;
    };
    const Case cases[] = {
        {"CSwayPlantA", [] { return std::make_unique<CSwayPlantA>(); }, 6},
        {"CSwayPlantB", [] { return std::make_unique<CSwayPlantB>(); }, 8},
        {"CSwayPlantC", [] { return std::make_unique<CSwayPlantC>(); }, 8},
    };
    for (const Case& c : cases) {
        crt::srand(1);
        for (int i = 0; i < c.draws; ++i)
            crt::rand();
        const int next = crt::rand();
        crt::srand(1);
        const auto plant = c.make();
        EXPECT_EQ(crt::rand(), next) << c.name;
    }
}

}  // namespace
