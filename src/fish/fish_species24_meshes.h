// The mesh tables of species 24, the peacock bass (made by res/tools/gen_fish_meshes24.h).
// The body is stored from the belly up: row 0 on the belly line, row 4 on the
// back ridge; point j of a body row lies at body segment j. Fins are stored
// as their class draws them: the edge row first where the class waves the
// first vertex of a column, the root row first where it waves the second.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish24Body[5][12];         // belly to ridge, column 0 at the eye
extern const FishVertex g_Fish24UpperJaw[3][10];     // the lip, then up to the ridge; column 0 at the snout tip
extern const FishVertex g_Fish24LowerJaw[3][7];      // the belly line, then up to the lip; column 0 at the tip
extern const FishVertex g_Fish24SpinyDorsal[2][4];   // root row, then the spines' tips
extern const FishVertex g_Fish24SoftDorsal[2][5];    // root row, then the edge
extern const FishVertex g_Fish24Pectoral[2][5];      // the edge, then the root row
extern const FishVertex g_Fish24Pelvic[2][3];        // the edge, then the root row
extern const FishVertex g_Fish24Anal[2][5];          // root row, then the edge
extern const FishVertex g_Fish24Tail[2][11];         // the edge from the upper tip to the lower, then the root row
extern const FishVertex g_Fish24Eye[3][5];           // centre, iris ring, rim; four sectors round
