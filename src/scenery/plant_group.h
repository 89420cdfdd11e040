// Plant group: three water plants of bent stems, rings of leaves that open
// and close, bulbs and petal rings, one per layout (kinds 7, 8 and 10). All
// three share the object's leaf records and the class's sway phases, so
// every draw moves that shared motion on.
#pragma once
#include "platform/wintypes.h"
#include "scenery/plant_emitter.h"

#include <GL/glew.h>

constexpr int kPlantGroupLeafRecords = 22;

// One ring of leaves: its tilt walks between the start and end angles and
// the leaves widen as they open.
struct LEAFRECORD {
    float fAngle;  // degrees, the current tilt
    float fStart;
    float fEnd;
    float fSpeed;    // degrees a step
    BYTE bFalling;   // 1: the angle falls
    float fSize[3];  // current size; x follows the angle
    float fWidest[3];
    float fNarrowest[3];
};

// The motion all plant groups share: two sway phases with their call
// counters, and the direction of layout 1's tilt.
struct PlantGroupSway {
    float m_fPhaseA = 0.0f;
    int m_nCounterA = 0;
    float m_fPhaseB = 0.0f;
    int m_nCounterB = 0;
    BYTE m_bTiltFalling = 1;
};
extern PlantGroupSway g_PlantGroupSway;

class CPlantGroup : public CBendEmitter {
public:
    CPlantGroup();
    virtual ~CPlantGroup() = default;

    // Builds the bulb list and fills the leaf records.
    void Init();
    // Layout 0, 1 or 2 (kinds 7, 8, 10), each binding its own texture; any
    // other draws nothing. The sway phases move on whatever the layout.
    void Draw(int layout, GLuint texA, GLuint texB, GLuint texC);

    // The three sway generators: a wave whose phase moves on every twelfth
    // call (out[0] = out[1] = 0), the same on a second phase whose ends meet
    // (out[0] = out[n - 1]), and zeros.
    void ComputeSway(float* out, int n);
    void ComputeSway2(float* out, int n);
    void ComputeSway3(float* out, int n);
    // out[i] = sin(i x step) x amplitude: a stem's still bend.
    static void FillWave(float* out, int n, float step, float amplitude);

    void SetScale(int x, int y, int z);
    using CBendEmitter::EmitVertex;
    // The point turned by the bend matrix, with entry `normal` of the normal
    // table and entry `texture` of the texture table (entry 0 for an entry
    // outside its table).
    void EmitVertex(float x, float y, float z, int normal, int texture);

    // The stem, rings firstRow to lastRow; ring r raised by wave1[r] + wave2[r].
    void DrawMesh1(const float* unused1, const float* unused2, const float* wave1, const float* wave2, int firstRow,
                   int lastRow);
    // The leaf (both the same), drawn while m_bLeavesOn is set.
    void DrawMesh2(const float* unused1, const float* unused2);
    void DrawMesh3(const float* unused1, const float* unused2);
    // The round leaf, its rim and centre moved by sway[] along every axis,
    // and its stalk, unmoved.
    void DrawBentMesh(const float* unused, const float* sway);
    void DrawList();
    // The petal stalk.
    void DrawStrips();
    // Compiles the bulb (GL_TRIANGLES) into a new list and returns its name.
    GLuint BuildList();

    // The three plants; layout 0 draws its last stem and round leaf only
    // when `withLast` is not 0.
    void DrawLayout0(int withLast);
    void DrawLayout1();
    void DrawLayout2();

    GLuint m_nList = 0;
    int m_nScale[3] = {10, 10, 10};
    float m_fTilt = 0.0f;  // layout 1's moving leaf angle, degrees
    float m_fTiltStep = 0.5f;
    BYTE m_bLeavesOn = 1;
    LEAFRECORD m_Leaf[kPlantGroupLeafRecords] = {};

private:
    using LeafMesh = void (CPlantGroup::*)(const float*, const float*);
    struct Stem;
    struct Ring;
    struct Point {
        float x, y, z;
    };
    struct Scale {
        int x, y, z;
    };

    void MeshScale(float out[3]) const;
    // A record's step: turn at the ends, move, widen with the angle.
    void StepRecord(LEAFRECORD& r, float factor);
    // A leaf about the upright axis at `around` degrees, raised by `raise`,
    // scaled by size and tilted by `tilt` about x.
    void DrawLeaf(float raise, float around, const float size[3], float tilt, LeafMesh mesh);
    void DrawRings(const Ring* rings, int count, float factor, LeafMesh mesh);
    void DrawStem(const Stem& stem, const float* still);
    // Layout 0's plants 1 and 2: five rings of leaves (at ringsAt, turning
    // at half speed) on the top of a stem (at stemAt).
    // A stem with a round leaf on its top, seen from its placement.
    void DrawRoundLeafOnStem(const Stem& stem, const float* still, const Scale& leafScale, const float* sway);
    void DrawWhorlPlant(const Ring (&rings)[5], const Point& ringsAt, const Stem& stem, const Point& stemAt,
                        const float* still);
    // The bulb list, moved and turned about x then y, and scaled.
    void DrawBulb(float x, float y, float z, float turnX, float turnY, float scale);
    // Layout 1's four tiers of twelve leaves at tilt m_fTilt.
    void DrawCrown(float raise);
    void StepTilt();
};
