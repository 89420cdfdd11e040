#include "scenery/terrain_model.h"

#include "scenery/plant_kinds.h"
#include "scenery/tank_scenery.h"

namespace {

void SetUp(SceneryContext&)
{
    // BuildLists: the four lists.
}

const bool kSetUp = RegisterScenerySetUp({.order = 17, .phase = SetUpPhase::AfterLists, .run = SetUp});
const bool kKind = RegisterPlantKind({.kind = 16,
                                      .pass = PlantPass::Scene,
                                      .texture = {KindTexture::Blank, 0},
                                      .translate = {-2.3f, -20.0f, -81.0f},
                                      .turns = {{-97.0f, 0.0f, 1.0f, 0.0f}, {-165.0f, 0.0f, 0.0f, 1.0f}}});

}  // namespace

CTerrainModel::CTerrainModel() : CSceneryStandIn(0) {}
