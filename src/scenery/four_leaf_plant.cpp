#include "scenery/four_leaf_plant.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

const float kSpots[10][3] = {{31, -0.321697f, -15}, {57, -0.774115f, -34}, {46, -0.848809f, -25}, {70, 0.413423f, -31},
                             {59, -1.09181f, -19},  {34, -1.864473f, -33}, {60, 0.11992f, -22},   {53, -0.596705f, -29},
                             {54, 0.048696f, -18},  {58, -0.912364f, -17}};

void SetUp(SceneryContext& c)
{
    // Their random spots and sizes give way to the tables: two draws for the
    // first plant, three for each of the others.
    DiscardRandom(2 + 3 * 9);
    for (int i = 0; i < 10; ++i)
        SetVector(c.scenery.m_fSpotsFourLeaf[i], kSpots[i][0], kSpots[i][1], kSpots[i][2]);
}

const bool kSetUp = RegisterScenerySetUp({.order = 1, .phase = SetUpPhase::Place, .run = SetUp});

}  // namespace

CFourLeafPlant::CFourLeafPlant() : CSceneryStandIn(8) {}
