// The mesh tables of species 14, the kuhli loach (made by
// res/tools/gen_fish_meshes14.h). Every table holds the fish's -y half (or
// its midline); the class draws the +y half as the y-negated copy.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish14Body[6][20];    // rows ridge to belly; column j at body segment j, head to tail root
extern const FishVertex g_Fish14Head[6][5];     // rings from the body to the snout tip, then the barbels' tips;
                                                // columns ridge to belly
extern const FishVertex g_Fish14Pelvic[2][13];  // the fin's edge, then its root; front to back
extern const FishVertex g_Fish14Tail[2][23];    // the edge from the upper tip round to the lower, then the root
