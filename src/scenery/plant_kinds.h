// The plant kinds of the tank and the scenery's set-up, as tables that each
// scenery class fills from its own file:
//
// - PlantKind: one row per plant kind (0 to 16): the texture bound for it,
//   its spot, its placement, and its draw call or display list. The
//   environment pass draws the Environment rows, the scene pass the Scene rows.
// - ScenerySetUp: what the scene set-up does for one scenery object (sizes,
//   spot, random draws, Init), in the set-up's order.
// - SceneryList: the contents of one display list the set-up compiles.
//
// A class registers its rows with a namespace-scope constant in its .cpp:
//     const bool kKind = RegisterPlantKind({.kind = 1, ...});
// (the .cpp must also define the class's constructor, so that linking the
// class links its rows). See src/scenery/README.md.
#pragma once
#include <GL/glew.h>

#include <cstdint>
#include <vector>

class CTankScenery;

// What the set-up, the lists and the draw calls reach: the scenery objects
// and their spots, the tank box, and the game window's textures and lists.
struct SceneryContext {
    CTankScenery& scenery;
    const float* tankBounds;  // left, right, top, bottom, back, front
    const GLuint* texPlant;   // the plant pictures, PLANT_TEXTURE_COUNT
    const GLuint* texFish;    // the fish pictures, FISH_SPECIES_COUNT
    GLuint* lists;            // the set-up's display lists by slot, kSceneListCount

    float Bottom() const { return tankBounds[3]; }
    float Back() const { return tankBounds[4]; }
    // The tank width as an integer (100).
    int Width() const { return static_cast<int>(tankBounds[1] - tankBounds[0]); }
};

constexpr int kSceneListCount = 10;

enum class PlantPass : uint8_t {
    Environment,  // drawn live by the environment pass, kinds 0 to 13
    Scene,        // drawn by the scene pass over the floor, kinds 14 to 16
};

// The texture a kind binds on the pass's texture unit, also while the kind is off.
struct KindTexture {
    enum Source : uint8_t {
        Keep,   // binds nothing
        Plant,  // plant texture `index`
        Fish,   // fish texture `index`
        Blank,  // texture name 0: untextured
    };
    Source source = Keep;
    int index = 0;
};

struct PlantKind {
    int kind = -1;
    PlantPass pass = PlantPass::Environment;
    KindTexture texture = {};
    // The kind's spot; with one, the translation is (spot x + t.x, tank
    // bottom + spot y + t.y, tank back + spot z + t.z); without, it is t.
    const float* (*spot)(const CTankScenery& s) = nullptr;
    float scale[3] = {1.0f, 1.0f, 1.0f};  // before the translation
    float translate[3] = {0.0f, 0.0f, 0.0f};
    float turns[2][4] = {};  // after it: degrees about (x, y, z); 0 degrees: none
    // Drawn by `draw`, else by calling this list slot.
    int list = -1;
    void (*draw)(SceneryContext& c) = nullptr;
};

enum class SetUpPhase : uint8_t {
    Place,       // the objects, in order, before the pick bars, bubbles and fish
    AfterLists,  // after the set-up's display lists are compiled
};

struct ScenerySetUp {
    int order = 0;  // place in the set-up's sequence
    SetUpPhase phase = SetUpPhase::Place;
    void (*run)(SceneryContext& c) = nullptr;
};

struct SceneryList {
    int slot = -1;  // 0 .. kSceneListCount - 1
    // Sends the list's contents; the list is open (GL_COMPILE) around it.
    void (*compile)(SceneryContext& c) = nullptr;
};

// Registration; each returns true, for a namespace-scope constant. A kind
// outside 0 .. PLANT_KIND_COUNT - 1, registered twice or wearing a picture
// outside the plant pictures or the fish pictures, a second step for one
// place in the sequence, a list slot outside the set-up's or filled twice are
// refused (RefuseRegistration: a mistake in the build).
bool RegisterPlantKind(const PlantKind& kind);
bool RegisterScenerySetUp(const ScenerySetUp& step);
bool RegisterSceneryList(const SceneryList& list);

// The rows registered, kinds in rising order, set-up steps by phase and order.
const std::vector<PlantKind>& PlantKinds();
const std::vector<ScenerySetUp>& ScenerySetUps();
const std::vector<SceneryList>& SceneryLists();

// The set-up steps of one phase, in order.
void RunScenerySetUp(SceneryContext& c, SetUpPhase phase);
// The contents of list slot `slot` (nothing when no class fills it).
void CompileSceneryList(SceneryContext& c, int slot);
// For each kind of the pass in order: binds its texture, and when its count
// in the settings is above 0 draws it once inside its own matrix push.
void DrawPlantKinds(SceneryContext& c, PlantPass pass);
// One kind at the current matrix: its placement, then its draw.
void DrawPlantKind(SceneryContext& c, const PlantKind& kind);
