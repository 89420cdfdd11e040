// One drop of fish food: three light-yellow flakes that appear around the
// drop point and sink while they swirl about it and tumble, each vanishing
// once it has sunk 41 units.
#pragma once
#include "platform/wintypes.h"

#include <GL/glew.h>

struct FOODPELLET {
    float x = 0.0f, y = 0.0f, z = 0.0f;  // offset from the origin; y sinks from 1
    float tumble = 0.0f;                 // degrees about the flake's x axis
    float swirl = 0.0f;                  // degrees about the vertical through the origin
    float sinkSpeed = 0.0f;              // units per update
    float scale = 0.0f;                  // 1 while visible, 0 once hidden
};

class CFoodEmitter {
public:
    static constexpr int PELLETS = 3;

    CFoodEmitter() = default;
    virtual ~CFoodEmitter() = default;

    // The drop point, then Reset.
    void SetPosition(float x, float y, float z);
    // New random pellets (33 rand draws) and a new flake list in place of the old one.
    void Reset();
    void SetActive(BOOL active);
    BOOL IsActive() const;
    // Translates to the origin (left on the matrix for the caller to pop),
    // draws the visible flakes, turns inactive when none is left, then Update.
    void Draw();
    // One step of sinking and swirling.
    void Update();
    void HidePellet(int i);

    void BuildDisplayList();
    // The flake: a wavy 30-degree wedge of a spherical cap near the pole.
    static void DrawPelletShape();

    FOODPELLET m_Pellets[PELLETS];
    GLuint m_nList = 0;
    float m_fOrigin[3] = {0.0f, 0.0f, -70.0f};
    BYTE m_bActive = 0;
};
