// A point of a plant's mesh tables: position, normal and texture coordinate.
// The tables themselves are written at build time by res/tools/gen_plant_meshes
// (one generated file); each class declares its own in its *_meshes.h.
#pragma once

struct PlantVertex {
    float x, y, z;
    float nx, ny, nz;
    float s, t;
};
