// Draws one fish texture as a 24-bit BMP. Every species brings its own
// res/tools/gen_fish_textures<NN>.h, which paints its picture and registers
// it under its species index; the build lists those headers in
// gen_fish_texture_species.h and packs each picture as resource 10000 + NN.
//   gen_fish_textures <name> <out.bmp>      (names: fish<NN>, NN without leading zeros)
#include "gen_fish_paint.h"
#include "gen_fish_texture_species.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_fish_textures <name> <out.bmp>\n");
        return 2;
    }
    for (const fishpaint::Picture& p : fishpaint::Pictures()) {
        if (p.name != argv[1])
            continue;
        if (!kit::WriteBmp24(argv[2], p.paint())) {
            std::fprintf(stderr, "gen_fish_textures: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "gen_fish_textures: no picture named %s\n", argv[1]);
    return 2;
}
