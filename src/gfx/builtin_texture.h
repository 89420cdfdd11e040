// A built-in picture as a texture: restored from the executable's resources to
// the temporary folder, loaded, and its files removed again.
#pragma once
#include <GL/glew.h>

#include <string>

using TextureFileLoader = void (*)(const char* path, GLuint* texture);

// `load` is LoadBmpTexture or LoadMipmapTexture.
void LoadBuiltinTexture(const std::string& folder, int id, const std::string& name, GLuint* texture,
                        TextureFileLoader load);
