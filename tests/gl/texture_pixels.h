// The pixels of a GL texture as GL holds them: level 0, RGBA bytes, bottom row first.
#pragma once
#include <GL/glew.h>

#include <cstddef>
#include <vector>

struct TexturePixels {
    GLint width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

inline TexturePixels ReadTexturePixels(GLuint texture)
{
    TexturePixels p;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &p.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &p.height);
    p.rgba.assign(std::size_t(p.width) * p.height * 4, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, p.rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return p;
}
