// Writes the plants' leaf tables (src/scenery/sway_plant_meshes.h) as a C++ file.
// Usage: gen_plant_meshes <out.cpp>
#include "plant_leaves.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_plant_meshes <out.cpp>\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::fprintf(stderr, "gen_plant_meshes: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(out, "// Made by res/tools/gen_plant_meshes: the plants' leaf tables.\n");
    std::fprintf(out, "#include \"scenery/sway_plant_meshes.h\"\n\n");
    leaf::WriteTable(out, "g_SwayLeafA", plant_leaves::SwayLeafA());
    leaf::WriteTable(out, "g_SwayBladeB", plant_leaves::SwayBladeB());
    const plant_leaves::LeafC leafC = plant_leaves::SwayLeafC();
    leaf::WriteTable(out, "g_SwayLeafCEdge", leafC.edge);
    leaf::WriteTable(out, "g_SwayLeafCVein", leafC.vein);
    if (std::fclose(out) != 0) {
        std::fprintf(stderr, "gen_plant_meshes: cannot write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
