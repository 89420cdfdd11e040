// The player's own background pictures (JPEG, BMP, PNG) as textures for the
// back wall: decoded by SOIL, or by the toolkit for files SOIL cannot read
// (progressive JPEG, interlaced PNG), and uploaded the same way by SOIL,
// mipmapped, bottom row first.
#pragma once
#include <GL/glew.h>

#include <string>

enum class PictureDecoder { None, Soil, Toolkit };

// The SOIL upload of the Background dialog's pictures.
constexpr unsigned kPictureTextureFlags = 2 /* MIPMAPS */ | 16 /* INVERT_Y */ | 32 /* COMPRESS_TO_DXT */ |
                                          128 /* NTSC_SAFE_RGB */;

// A new texture name holding the picture (sides rounded to powers of two and
// within the GL's limit), in the current GL context; the binding of
// GL_TEXTURE_2D is left as it was. 0 when the file is no whole picture of a
// kind above, with why in `problem`; nothing else changes then.
GLuint LoadPictureTexture(const char* path, PictureDecoder* decoder = nullptr, std::string* problem = nullptr);

// Frees a texture LoadPictureTexture made; 0 is ignored.
void DeletePictureTexture(GLuint texture);
