#include "scenery/flower_plant.h"

#include "platform/crt.h"
#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // On the floor at a random row (drawn first) and column.
    const int row = crt::rand() % c.Width();
    const int column = crt::rand() % 30 + 15;
    CTankScenery::PlaceOnFloor(c.scenery.m_fSpotFlower, row, column, 1.5f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 4, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CFlowerPlant::CFlowerPlant() : CSceneryStandIn(8) {}
