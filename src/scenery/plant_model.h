// The common plant layout: the head every plant class starts with (rotation,
// position, scale, the bend matrix and the sway head) and what every plant
// does with it: set the leaf scale, place a leaf on its pivot and send the
// leaf's strips through the shared emitter (plant_emitter.h).
//
// A plant class derives from CPlantModel, keeps its oscillators (plant_sway.h)
// and its m_fSize after the head, draws its constructor values in its own
// order right after the head's draws (the Random* helpers below), and
// describes its leaves as tables sent by EmitGrid or EmitEdges with the leaf
// scale m_fScale.
#pragma once
#include "platform/wintypes.h"
#include "scenery/plant_emitter.h"
#include "scenery/plant_sway.h"

class CPlantModel : public CBendEmitter {
public:
    virtual ~CPlantModel() = default;

    // Nothing to set up; the game window calls it on every plant it places.
    BOOL Init() { return TRUE; }
    void SetScale(float x, float y, float z);

    float m_fRotation[3] = {0.0f, 0.0f, 0.0f};  // degrees about x, y, z, added to the fixed angles
    float m_fPosition[3] = {0.0f, 0.0f, 0.0f};
    float m_fScale[3] = {5.0f, 5.0f, 5.0f};  // table units to model units of the current leaf
    float m_fPhaseOffset = 0.0f;
    BYTE m_bEnabled = 1;
    float m_fSegmentStep = 0.0f;  // phase distance between neighbouring sway entries
    float m_fSwayPhase = 5.0f;

protected:
    // Draws m_fPhaseOffset = rand() % 100, then m_fSegmentStep = pi / (rand() % 5 + stepBase).
    explicit CPlantModel(int stepBase);
    // A head whose segment step is fixed: draws m_fPhaseOffset only.
    struct FixedStep {
        float step;
    };
    explicit CPlantModel(FixedStep fixed);

    // The values constructors draw, one rand() each:
    // (rand() % 10 x 0.1 + 0.05) x 2, so 0.1 to 1.9.
    static float RandomSize();
    // 10.5 + rand() % 10 x 0.1, so 10.5 to 11.4.
    static float RandomLargeSize();
    // (rand() % 5 + 1) x unit.
    static float RandomRate(double unit);
    // rand() % 10.
    static float RandomSwing();
    // pi / (rand() % 5 + base).
    static float RandomPhaseSpeed(int base);

    // m_fPosition as three translations, one per axis.
    void TranslatePosition() const;
    // Moves a leaf's root point (table units, times m_fScale) onto the pivot.
    void TranslateRoot(const float root[3]) const;

    // The shared emitters with the leaf scale m_fScale.
    template <int Lines, int Points>
    void EmitGrid(const PlantVertex (&grid)[Lines][Points], int points, const LeafMotion* motion)
    {
        CBendEmitter::EmitGrid(grid, points, m_fScale, motion);
    }
    void EmitEdges(const PlantVertex* first, const PlantVertex* second, int rows, int secondRowsPer,
                   const LeafMotion* motion)
    {
        CBendEmitter::EmitEdges(first, second, rows, secondRowsPer, m_fScale, motion);
    }
};
