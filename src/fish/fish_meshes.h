// The fish mesh tables: grids of points with a position (size 1, x along the
// body with the head toward -x, y across, z up), a normal and a texture
// coordinate. res/tools/gen_fish_meshes writes them at build time; each
// species declares its own in fish_species<NN>_meshes.h.
#pragma once

struct FishVertex {
    float x, y, z;
    float nx, ny, nz;
    float s, t;
};

// A grid of rows x columns points, row after row.
struct FishMesh {
    const FishVertex* points = nullptr;
    int rows = 0;
    int columns = 0;
};

template <int Rows, int Columns>
constexpr FishMesh MeshOf(const FishVertex (&grid)[Rows][Columns])
{
    return {&grid[0][0], Rows, Columns};
}
