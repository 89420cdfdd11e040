#include "gfx/builtin_texture.h"

#include "gfx/resource_file.h"

void LoadBuiltinTexture(const std::string& folder, int id, const std::string& name, GLuint* texture,
                        TextureFileLoader load)
{
    ExtractResourceFile(id, folder, name);
    load((folder + name + ".bmp").c_str(), texture);
    DeleteTempFile(folder + name + ".ad");
    DeleteTempFile(folder + name + ".bmp");
}
