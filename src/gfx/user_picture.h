// The player's own background pictures (JPEG, BMP, PNG) as textures: a file
// is read only when it is a regular file within the size cap, looked at
// before any decoder sees it, decoded by a decoder that fails cleanly, and
// made ready (sides rounded up to powers of two, colours kept within the
// range a television shows, mipmaps, bottom row first) off the drawing
// thread; only the upload needs the GL.
#pragma once
#include <GL/glew.h>

#include <string>
#include <vector>

// The largest side a picture's texture gets (within the GL's own limit).
constexpr int kLargestPictureSide = 2048;

struct PreparedPicture {
    struct Level {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> pixels;  // rows bottom first, no padding
    };
    int channels = 0;  // 3 (RGB) or 4 (RGBA)
    std::vector<Level> levels;  // level 0 first, down to 1 x 1
};

// Reads, checks and decodes the file and makes its texture levels, no side
// above `largestSide` (a power of two). Any thread, no GL. False with why in
// `problem` (sentences naming the fault, for the player).
bool PreparePicture(const char* path, int largestSide, PreparedPicture* picture, std::string* problem);

// The largest side the current GL context takes for a picture:
// kLargestPictureSide or the GL's limit if that is smaller.
int PictureSideLimit();

// A new texture name holding the prepared levels, in the current GL
// context, the binding of GL_TEXTURE_2D left as it was; 0 when the GL
// refuses it (out of memory).
GLuint UploadPicture(const PreparedPicture& picture);

// PreparePicture and UploadPicture at once, on the GL thread. 0, with why in
// `problem`, when the file is no whole picture of a kind above; nothing else
// changes then.
GLuint LoadPictureTexture(const char* path, std::string* problem = nullptr);

// Frees a texture LoadPictureTexture or UploadPicture made; 0 is ignored.
void DeletePictureTexture(GLuint texture);
