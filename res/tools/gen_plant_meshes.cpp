// Writes the mesh tables of every plant kind into one C++ file. Each kind's
// generator is a res/tools/plant_mesh_*.h that registers the src/ header
// declaring its tables and a writer of their definitions; the build lists
// them in plant_mesh_list.h (res/meshes.cmake).
// Usage: gen_plant_meshes <out.cpp>
#include "leaf_kit.h"
#include "plant_mesh_list.h"

#include <algorithm>
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
    std::vector<leaf::MeshTables> kinds = leaf::MeshRegistry();
    std::sort(kinds.begin(), kinds.end(), [](const auto& a, const auto& b) { return a.header < b.header; });
    std::fprintf(out, "// Made by res/tools/gen_plant_meshes: the plants' mesh tables.\n");
    for (const leaf::MeshTables& kind : kinds)
        std::fprintf(out, "#include \"%s\"\n", kind.header.c_str());
    std::fprintf(out, "\n");
    for (const leaf::MeshTables& kind : kinds)
        kind.write(out);
    if (std::fclose(out) != 0) {
        std::fprintf(stderr, "gen_plant_meshes: cannot write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
