// Texture loaders of the tank's pictures, from BMP files.
#pragma once
#include "gfx/bmp_reader.h"

#include <GL/glew.h>

#include <GL/glu.h>

// Sets the format and components of the upload. TRUE when it made scaled pixels
// (sides rounded up to powers of two, at most min(GL_MAX_TEXTURE_SIZE, 512),
// at least 2; 8-bit images always, expanded to 24 bits); FALSE when the file's
// own pixels can be uploaded, or, with format left 0, when scaling failed.
BOOL ScaleImageToPowerOfTwo(LOADEDIMAGE* image);

// Creates a texture name, binds it to GL_TEXTURE_2D and fills it from the file.
void LoadBmpTexture(const char* path, GLuint* texture);
// Fills the bound 2D texture from the file (linear filters, no mipmaps); an
// unreadable file leaves it without an image. TRUE when an image was loaded.
BOOL LoadBmpIntoBoundTexture(const char* path);
// Creates, binds and fills a mipmapped, repeating texture in which pure black
// is transparent.
void LoadMipmapTexture(const char* path, GLuint* texture);
// A new 128 x 128 RGBA texture of zeros with linear filters.
GLuint CreateBlankTexture();
