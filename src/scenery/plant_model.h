// The common plant layout: the head every plant class starts with, and what
// every plant does with it: set the leaf scale, bend a row, send a vertex,
// place a leaf on its pivot and send the leaf's quad strips.
//
// A plant class derives from CPlantModel, keeps its oscillators (plant_sway.h)
// and its m_fSize after the head, draws its constructor values in its own
// order right after the head's two draws, and describes its leaves as tables
// (plant_meshes.h) sent by EmitGrid or EmitStrip.
#pragma once
#include "platform/wintypes.h"
#include "scenery/plant_meshes.h"
#include "scenery/plant_sway.h"

// How the rows of a leaf move while its strips are sent.
struct LeafMotion {
    // bend[r] degrees about bendAxis before row r; null: the matrix as it is.
    const float* bend = nullptr;
    float bendAxis[3] = {0.0f, 0.0f, 1.0f};
    // sway[r] times swayScale added to the scaled points of row r; null: none.
    const float* sway = nullptr;
    float swayScale[3] = {0.0f, 0.0f, 0.0f};
    // 1: the second point of row r takes sway[r + 1].
    int secondPointSwayRow = 0;
};

class CPlantModel {
public:
    virtual ~CPlantModel() = default;

    // Nothing to set up; the game window calls it on every plant it places.
    BOOL Init() { return TRUE; }
    void SetScale(float x, float y, float z);
    // m_fBendMatrix := the rotation by angle degrees about (ax, ay, az);
    // the identity for angle 0 or a zero axis.
    void SetRotation(float angle, float ax, float ay, float az);
    // Sends (x, y, z) transformed by m_fBendMatrix; the normal goes out as it is.
    void EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t);

    float m_fRotation[3] = {0.0f, 0.0f, 0.0f};  // degrees about x, y, z, added to the fixed angles
    float m_fPosition[3] = {0.0f, 0.0f, 0.0f};
    float m_fScale[3] = {5.0f, 5.0f, 5.0f};     // table units to model units of the current leaf
    float m_fBendMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float m_fPhaseOffset = 0.0f;
    BYTE m_bEnabled = 1;
    float m_fSegmentStep = 0.0f;  // phase distance between neighbouring sway entries
    float m_fSwayPhase = 5.0f;

protected:
    // Draws m_fPhaseOffset = rand() % 100, then m_fSegmentStep = pi / (rand() % 5 + stepBase).
    explicit CPlantModel(int stepBase);

    // A constructor's size factor: (rand() % 10 x 0.1 + 0.05) x 2, so 0.1 to 1.9.
    static float RandomSize();

    // m_fPosition as three translations, one per axis.
    void TranslatePosition() const;
    // Moves a leaf's root point (table units, times m_fScale) onto the pivot.
    void TranslateRoot(const float root[3]) const;

    // One GL_QUAD_STRIP: row r sends first[r], then second[r / secondRowsPer].
    // Without motion the points go out scaled, past the bend matrix.
    void EmitStrip(const PlantVertex* first, const PlantVertex* second, int rows, int secondRowsPer,
                   const LeafMotion* motion);
    // A column grid: one strip between each pair of neighbouring columns, rows 0 to rows - 1.
    template <int Columns, int Rows>
    void EmitGrid(const PlantVertex (&grid)[Columns][Rows], int rows, const LeafMotion* motion)
    {
        for (int c = 0; c + 1 < Columns; ++c)
            EmitStrip(grid[c], grid[c + 1], rows, 1, motion);
    }

private:
    void EmitPoint(const PlantVertex& p, float sway, const LeafMotion* motion);
};
