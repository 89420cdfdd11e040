// The colour-layer lists several scenery objects keep beside their own list:
// one scale and 45 layers, each in its own colour, graded with the layer.
// Built once at scene set-up (ramp, layer, layer 2, in that order); nothing
// draws them. Executing one leaves the matrix scaled and the colour of the
// last layer current.
#pragma once
#include <GL/glew.h>

constexpr int kColorLayers = 45;

// A colour scheme: the list's scale, and the colour of layer i as
// base + step x i per channel (bytes; no channel leaves 0..255).
struct ColorLayerScheme {
    float scale[3];
    int base[3];
    int step[3];
};

extern const ColorLayerScheme kColorRampScheme;    // 0.6, 0.5, 0.6; greens
extern const ColorLayerScheme kColorLayerScheme;   // 0.5 each; warm
extern const ColorLayerScheme kColorLayer2Scheme;  // 0.5, 0.6, 0.6; falling

// The byte colour of one layer.
void ColorOfLayer(const ColorLayerScheme& scheme, int layer, int rgb[3]);

// Compiles a new list of the scheme (glGenLists, GL_COMPILE) and returns its name.
GLuint BuildColorLayers(const ColorLayerScheme& scheme);
GLuint BuildColorRampList();
GLuint BuildColorLayerList();
GLuint BuildColorLayerList2();
// The per-layer hook of the lists (and of sway plant D's segments): draws nothing.
void DrawLayer(int layer);
// The list name of an object that has no list of its own: 0, nothing built.
GLuint GetExtraList();
