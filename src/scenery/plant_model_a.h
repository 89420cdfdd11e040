// Plant model A: seven thin stems fanning out from one root, each carrying a
// leaf blade. The stems are rigid; the leaves bend by an angle every model A
// shares and flutter column by column with the object's own sway phase.
#pragma once
#include "scenery/mesh_scale_plant.h"

class CPlantModelA : public CMeshScalePlant {
public:
    CPlantModelA();

    // Turns the caller's matrix -90 degrees about x (not undone: the caller
    // pushes and pops). 1: the cluster (two side sets and one full plant, at
    // five times model size); 0: one full plant stretched (8, 4, 9); any
    // other variant moves the sway and draws nothing.
    void Draw(int variant);
    // out[i] = sin(i x step + phase) x 0.005; the phase moves on every third call.
    void ComputeSway(float* out, int n);
    // The shared angle spread over the rings of a leaf: n = 7 writes entries
    // 3 to 6, n = 29 all of them, any other n nothing.
    static void ComputeBend(float* out, int n, float angle);
    // The full part set: seven stems and seven leaves.
    void DrawPartsA(const float* bend, const float* sway);
    // The side part set twice, a quarter turn to either side.
    void DrawPartsB(const float* bend, const float* sway);

    // The fifteen parts: stems 2 to 8, leaves 1 and 9 to 15.
    void DrawPart1(const float* bend, const float* sway);
    void DrawPart2();
    void DrawPart3();
    void DrawPart4();
    void DrawPart5();
    void DrawPart6();
    void DrawPart7();
    void DrawPart8();
    void DrawPart9(const float* bend, const float* sway);
    void DrawPart10(const float* bend, const float* sway);
    void DrawPart11(const float* bend, const float* sway);
    void DrawPart12(const float* bend, const float* sway);
    void DrawPart13(const float* bend, const float* sway);
    void DrawPart14(const float* bend, const float* sway);
    void DrawPart15(const float* bend, const float* sway);

    int m_nRandomFlag = 1;  // rewritten now and then by Draw; nothing reads it

    // Shared by every model A: the leaves' bend angle and its direction.
    static CSharedSwayAngle s_swayAngle;

private:
    template <int Rings>
    void DrawStem(const PlantVertex (&rings)[Rings][6]);
    template <int Rings>
    void DrawLeaf(const PlantVertex (&rings)[Rings][5], const float* bend, const float* sway);
};
