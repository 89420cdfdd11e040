// Decoration mesh A's tables: a boulder of indexed triangles (faces of three
// position, three normal and three texture-coordinate indices), unit-sized:
// x -0.5 to 0.5, y -0.415 to 0.415, z -0.285 to 0.285. It is drawn with fish
// picture 9; its texture coordinates are a grid over the rectangle below,
// which the decoration paints into that picture.
#pragma once

extern const short g_DecorationAFaces[1120][9];
extern const float g_DecorationAPositions[853][3];
extern const float g_DecorationANormals[1084][3];
extern const float g_DecorationATexCoords[48][2];

// The picture rectangle the texture coordinates cover (t repeats from 1 to 2),
// and their grid: 6 across s, 8 along t.
constexpr float kDecorationATexS0 = 0.693f, kDecorationATexS1 = 0.7648f;
constexpr float kDecorationATexT0 = 1.1816f, kDecorationATexT1 = 1.765f;
constexpr int kDecorationATexColumns = 6, kDecorationATexRows = 8;
