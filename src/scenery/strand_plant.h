// Strand plant: thin stalks, each ending in a small bulb, that sway by
// turning ring by ring about their own height axis. Mode 0 draws a bed of
// 19 swaying stalks; mode 1, the one the tank uses, the bulb alone, placed
// by the tuning values of the letter keys.
#pragma once
#include "platform/wintypes.h"
#include "scenery/color_layer_holder.h"
#include "scenery/plant_emitter.h"

// The tuning values the game window's letter keys change by 0.1 a press:
// rotation about x, y and z in degrees, and an offset. The strand plant's
// mode 1 is their only reader, so they live here, below the game window.
extern float g_fTuneRot[3];
extern float g_fTuneOffset[3];

constexpr int kStrandRings = 30;
constexpr int kStrandRingPoints = 11;
constexpr int kStrandSegments = 31;  // ring angles a strand keeps
constexpr int kStrands = 100;

struct STRANDRECORD {
    float fSegAngle[kStrandSegments];  // degrees about the model's y axis, per ring
    float fSegLift[kStrandSegments];   // not read
    float fBend;                       // the upper stalk turns by 2.5 x fBend degrees
    int nUnused0;
    float fSpeed;  // fBend moves by twice this per update
    float fStep;   // not read
    float fHeight;  // height offset in mode 0
    float fFactor[3];  // not read
    BYTE bRising;      // 1: bending further, 0: returning
    int nRandA;        // not read
    BYTE bRandFlag;    // not read
    int nRandB;        // not read
    float fMaxBend;    // upper turning point of fBend
    float fRandC;      // not read
};

class CStrandPlant : public CColorLayerHolder, public CBendEmitter {
public:
    CStrandPlant();
    virtual ~CStrandPlant() = default;

    // Stores the six values and builds the colour lists, then draws the
    // sway state of the 100 strands (nine rand() values each).
    void Init(float p0, float p1, float p2, float p3, float p4, float p5);
    // Mode 0: the bed of stalks; mode 1: the bulb; any other: nothing, not
    // even the update. Leaves its first turns on the caller's matrix.
    void Draw(int mode);
    // One sway step of every strand.
    void Update();
    // The whole stalk, ring i turned by angle[i] degrees about y, the second
    // ring of each strip raised by lift[]; the bulb drawn small and lowered.
    void DrawStrand(const float angle[kStrandSegments], const float lift[kStrandSegments]);
    // The bulb alone, unbent.
    void DrawModel();

    int m_nMeshScale[3] = {10, 10, 10};
    STRANDRECORD m_Strand[kStrands] = {};
    float m_fPlacement[6] = {};  // written by the set-up, passed to Init
};
