// The mesh tables of species 0, the telescope-eye goldfish (made by
// res/tools/gen_fish_meshes00.h). Rows of the body run from the belly (row 0)
// up to the back ridge; point j of a body row lies at body segment j. The
// paired parts store the fish's left side (negative y); the class draws the
// right side as their y mirror.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish00Body[9][17];
extern const FishVertex g_Fish00LowerJaw[4][3];   // rows belly to mouth; column 0 on the body, column 2 at the tip
extern const FishVertex g_Fish00UpperJaw[4][3];   // rows mouth to ridge; column 0 on the body, column 2 at the tip
extern const FishVertex g_Fish00Eye[4][8];        // rings from the socket out to the pupil; the last column closes them
extern const FishVertex g_Fish00EyeCap[1][4];     // the pupil, sunk into the ball
extern const FishVertex g_Fish00Dorsal[2][10];    // root row, then the fin's edge
extern const FishVertex g_Fish00Pectoral[2][8];
extern const FishVertex g_Fish00Pelvic[2][14];
extern const FishVertex g_Fish00Anal[2][7];
extern const FishVertex g_Fish00Tail[2][21];      // root points each serve three columns
