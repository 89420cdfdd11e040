// The mesh tables of species 20, the ocellate river stingray (made by
// res/tools/gen_fish_meshes20.h). The +y half of the disc is stored; the
// class draws the other half mirrored. Column j of the disc stands at one x
// from the snout (column 0) to the tail root; its rows run from the back's
// midline (row 0) over the rim (rows 4 and 5) to the belly's midline.
#pragma once
#include "fish/fish_meshes.h"

extern const FishVertex g_Fish20Cap[2][3];    // a patch in front of the disc, one colour
extern const FishVertex g_Fish20Body[8][13];  // the disc
extern const FishVertex g_Fish20Tail[5][10];  // the whip tail: rings round it, column c at bend c
extern const FishVertex g_Fish20Keel[3][4];   // the spine keel over the tail root: root row, then up
extern const FishVertex g_Fish20Lobe[8][9];   // the disc's front lobe (+y); root row, then toward the rim
extern const FishVertex g_Fish20Eye[3][5];    // apex, ring, rim; four sectors round
