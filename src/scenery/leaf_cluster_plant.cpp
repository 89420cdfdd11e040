#include "scenery/leaf_cluster_plant.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext& c)
{
    // The placement record's three rotations of rand() % 1, then two draws not used.
    DiscardRandom(3 + 2);
    SetVector(c.scenery.m_fSpotLeafCluster, 22.0f, 0.0f, -20.0f);
}

const bool kSetUp = RegisterScenerySetUp({.order = 13, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CLeafClusterPlant::CLeafClusterPlant() : CSceneryStandIn(0) {}
