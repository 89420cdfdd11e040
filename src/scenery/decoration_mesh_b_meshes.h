// Decoration mesh B's tables: a gnarled piece of driftwood of 15419 indexed
// triangles (faces of three position, three normal and three texture-coordinate
// indices), lying in the x-y plane with z up; its texture coordinates run
// around each branch in s (0 to 1) and along it in t from 1, repeating plant
// picture 9.
#pragma once

extern const short g_DecorationBFaces[15419][9];
extern const float g_DecorationBPositions[][3];
extern const int g_DecorationBPositionCount;
extern const float g_DecorationBNormals[][3];
extern const int g_DecorationBNormalCount;
extern const float g_DecorationBTexCoords[][2];
extern const int g_DecorationBTexCoordCount;
