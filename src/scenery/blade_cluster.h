// Blade cluster: four blades at right angles round one root, each a slender
// stalk holding a round leaf whose rim ripples; drawn live every frame for
// plant kind 2. Its set-up also compiles one draw into a display list.
#pragma once
#include "scenery/plant_model.h"

#include <GL/glew.h>

class CBladeCluster : public CPlantModel {
public:
    CBladeCluster();

    // Compiles one run of Draw into a display list (which advances the sway
    // once) and keeps its name; returns 1.
    BOOL BuildList();
    // The per-frame drawing.
    void Draw();
    // The sway generators. The first two share the call counter and move the
    // phase on every third call, by the phase rate and by a fixed step.
    void ComputeSway(float* out, int n);
    void ComputeSway2(float* out, int n);
    // Reads the phase without moving it.
    void ComputeSway3(float* out, int n);
    // One blade on its root; only the sway is drawn with.
    void DrawBlade(const float* bends, const float* sway, const float* extra);
    // The stalk (its arguments are not read) and the leaf, its rim swayed.
    void DrawMesh1(const float* bends, const float* sway, const float* extra);
    void DrawMesh2(const float* bends, const float* sway);

    float m_fPhaseRate = 0.0f;
    float m_fPhaseRateSource = 0.0f;  // copied into the rate by every Draw
    int m_nSwayCounter = 0;
    float m_fSize[3] = {0.0f, 0.0f, 0.0f};  // 0 until the set-up sets them
    GLuint m_nList = 0;
};
