#include "scenery/plant_group.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext&)
{
    // Init: the bulb list and the leaf records.
}

const bool kSetUp = RegisterScenerySetUp({.order = 18, .phase = SetUpPhase::AfterLists, .run = SetUp});
const bool kKind0 = RegisterPlantKind({.kind = 7, .scale = {1.2f, 1.5f, 1.0f}, .translate = {-5.8f, -5.1f, -80.0f}});
const bool kKind1 = RegisterPlantKind({.kind = 8, .scale = {1.2f, 1.5f, 1.0f}, .translate = {-5.8f, -5.1f, -85.0f}});
const bool kKind2 = RegisterPlantKind({.kind = 10, .scale = {1.2f, 1.5f, 1.0f}, .translate = {-5.8f, -5.1f, -85.0f}});

}  // namespace

CPlantGroup::CPlantGroup() : CSceneryStandIn(0) {}
