// Plant model B: a tall rigid stalk with a long and a short leaf that bend
// in turn, in opposite directions, by an angle every model B shares. Drawn
// as variant 1, a copy of the long leaf faces the other way and a half-size
// plant stands beside it.
#pragma once
#include "scenery/mesh_scale_plant.h"

class CPlantModelB : public CMeshScalePlant {
public:
    CPlantModelB();

    // Turns the caller's matrix -90 degrees about x (not undone: the caller
    // pushes and pops) and moves the shared angle; 1 draws the plant with its
    // companion, 0 the single plant, any other variant nothing.
    void Draw(int variant);
    // out[i] = i x angle / n.
    static void ComputeBend(float* out, int n, float angle);
    void DrawVariant1(const float* bend);
    void DrawVariant0(const float* bend);
    // The stalk, never bent.
    void DrawPart1();
    // The long leaf (bend entries 1 to 10) and the short one (1 to 7), bent
    // the other way.
    void DrawPart2(const float* bend);
    void DrawPart3(const float* bend);

    // Shared by every model B: the leaves' bend angle and its direction.
    static CSharedSwayAngle s_swayAngle;

private:
    // Moves to where the long leaf's copy stands, facing the other way.
    void TurnToLeafCopy() const;
};
