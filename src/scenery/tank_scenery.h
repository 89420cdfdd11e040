// The scenery of the game window: every plant, decoration and the floor
// sheet, in the order the window builds them (their constructors draw from
// rand() in this order), and the spots where the set-up places them. A spot
// is relative: the draw code adds the tank bottom to y and the back to z.
#pragma once
#include "scenery/blade_cluster.h"
#include "scenery/color_ramp_decoration.h"
#include "scenery/decoration_mesh_a.h"
#include "scenery/decoration_mesh_b.h"
#include "scenery/flower_plant.h"
#include "scenery/four_leaf_plant.h"
#include "scenery/leaf_cluster_plant.h"
#include "scenery/plant_group.h"
#include "scenery/plant_model_a.h"
#include "scenery/plant_model_b.h"
#include "scenery/rosette_plant.h"
#include "scenery/sea_anemone.h"
#include "scenery/static_mesh.h"
#include "scenery/strand_plant.h"
#include "scenery/sway_plant_a.h"
#include "scenery/sway_plant_b.h"
#include "scenery/sway_plant_c.h"
#include "scenery/sway_plant_d.h"
#include "scenery/terrain_model.h"
#include "scenery/water_floor.h"

class CTankScenery {
public:
    // The plants (the game window's bubble emitter follows them; it draws nothing at construction).
    CSwayPlantA m_SwayPlantsA[10];
    CFourLeafPlant m_FourLeafPlants[10];
    CSwayPlantB m_SwayPlantsB[10];
    CSwayPlantC m_SwayPlantsC[10];
    CFlowerPlant m_FlowerPlant;
    CRosettePlant m_RosettePlant;
    CBladeCluster m_BladeCluster;
    CPlantModelB m_PlantModelB;
    CPlantModelA m_PlantModelA;
    CSwayPlantD m_SwayPlantD;
    CPlantGroup m_PlantGroup;
    // The floor sheet.
    CWaterFloor m_WaterFloor;
    // The decorations and the last plants.
    CStaticMesh m_StaticMesh;
    CTerrainModel m_TerrainModel;
    CDecorationMeshA m_DecorationMeshA;
    CDecorationMeshB m_DecorationMeshB;
    CColorRampDecoration m_ColorRampDecoration;
    CLeafClusterPlant m_LeafClusterPlant;
    CSeaAnemone m_SeaAnemone;
    CStrandPlant m_StrandPlant;

    // Placement spots.
    float m_fSpotsA[10][3] = {};
    float m_fSpotsFourLeaf[10][3] = {};
    float m_fSpotsB[10][3] = {};
    float m_fSpotsC[10][3] = {};
    float m_fSpotFlower[3] = {};
    float m_fSpotRosette[3] = {};
    float m_fSpotBlade[3] = {};
    float m_fSpotModelB[3] = {};
    float m_fSpotModelA[3] = {};
    float m_fSpotSwayD[3] = {};
    float m_fSpotDecorA[3] = {};
    float m_fSpotDecorB[3] = {};
    float m_fSpotRamp[3] = {};
    float m_fSpotLeafCluster[3] = {};
    float m_fSpotAnemone[3] = {};
    float m_fSpotStrand[3] = {};

    // A spot on the floor grid at (row, column) for an object whose second
    // size factor is sizeY: the floor height raised by (sizeY - 0.95) x 1.1.
    // Rows and columns outside the grid are held to its edge.
    static void PlaceOnFloor(float spot[3], int row, int column, float sizeY);
};

// Takes `count` values of the rand() sequence whose values nothing uses.
void DiscardRandom(int count);

// Copies (x, y, z) into a spot or a size.
void SetVector(float out[3], float x, float y, float z);
