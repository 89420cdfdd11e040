#include "ui/plants_grid_picture.h"

#include "scenery/plant_kinds.h"
#include "settings/tank_numbers.h"
#include "ui/count_grid_picture.h"
#include "ui/ui_resource.h"

namespace {

using namespace paint;

// A stem with two leaves on either side.
Shape PlantOutline()
{
    return Union({Capsule(50, 74, 50, 22, 1.2f), EllipseRing(38, 52, 11, 5, 1.8f), EllipseRing(62, 42, 11, 5, 1.8f),
                  EllipseRing(40, 32, 9, 4, 1.8f), Capsule(36, 76, 64, 76, 1.0f)});
}

}  // namespace

bool PlantKindDraws(int kind)
{
    for (const PlantKind& row : PlantKinds()) {
        if (row.kind != kind)
            continue;
        if (row.draw)
            return true;
        for (const SceneryList& list : SceneryLists())
            if (row.list >= 0 && list.slot == row.list && list.compile)
                return true;
    }
    return false;
}

void RegisterPlantsGridPicture()
{
    RegisterCountGridPicture(
        IDB_PLANTS_PAGE0, PLANT_KIND_COUNT, [](int k, int, int, std::vector<uint32_t>&) { return PlantKindDraws(k); },
        PlantOutline());
}
