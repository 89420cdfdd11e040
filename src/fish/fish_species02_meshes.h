// The mesh tables of species 2, the fancy guppy (made by res/tools/gen_fish_meshes02.h).
// The fish is stored on its -y side; the class draws the +y side as the
// y-negated copy. Rows of the body run from the back ridge (row 0) to the
// belly; point j of a body row lies at body segment j.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish02Body[5][23];
extern const FishVertex g_Fish02Dorsal[2][9];   // root row, then the edge; columns 6 to 8 trail over the tail
extern const FishVertex g_Fish02Jaw[6][6];      // the lower snout: column 0 at the tip, column 5 on the body
extern const FishVertex g_Fish02Brow[6][4];     // the upper snout: column 0 at the tip, column 3 on the body
extern const FishVertex g_Fish02Pectoral[2][9]; // root row, then the fin's edge
extern const FishVertex g_Fish02Pelvic[2][7];   // root row, then the fin's edge
extern const FishVertex g_Fish02Tail[2][37];    // root row, then the edge from the upper tip to the lower
extern const FishVertex g_Fish02Eye[4][9];      // four rings round the eye, eight sectors (the last closes)
extern const FishVertex g_Fish02EyeCap[1][4];   // the quad closing the innermost ring
