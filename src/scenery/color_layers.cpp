#include "scenery/color_layers.h"

const ColorLayerScheme kColorRampScheme = {{0.6f, 0.5f, 0.6f}, {50, 50, 50}, {3, 4, 3}};
const ColorLayerScheme kColorLayerScheme = {{0.5f, 0.5f, 0.5f}, {50, 50, 50}, {4, 3, 2}};
const ColorLayerScheme kColorLayer2Scheme = {{0.5f, 0.6f, 0.6f}, {200, 200, 180}, {-3, -4, -2}};

void ColorOfLayer(const ColorLayerScheme& scheme, int layer, int rgb[3])
{
    for (int i = 0; i < 3; ++i)
        rgb[i] = scheme.base[i] + scheme.step[i] * layer;
}

GLuint BuildColorLayers(const ColorLayerScheme& scheme)
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glScalef(scheme.scale[0], scheme.scale[1], scheme.scale[2]);
    for (int layer = 0; layer < kColorLayers; ++layer) {
        int rgb[3];
        ColorOfLayer(scheme, layer, rgb);
        glPushMatrix();
        glColor3ub(static_cast<GLubyte>(rgb[0]), static_cast<GLubyte>(rgb[1]), static_cast<GLubyte>(rgb[2]));
        DrawLayer(layer);
        glPopMatrix();
    }
    glEndList();
    return list;
}

GLuint BuildColorRampList() { return BuildColorLayers(kColorRampScheme); }

GLuint BuildColorLayerList() { return BuildColorLayers(kColorLayerScheme); }

GLuint BuildColorLayerList2() { return BuildColorLayers(kColorLayer2Scheme); }

void DrawLayer(int) {}

GLuint GetExtraList() { return 0; }
