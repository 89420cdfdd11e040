// Light 0 and the material of the tank: one light above the tank.
#pragma once
#include <GL/glew.h>

inline constexpr GLfloat g_LightAmbient[4] = {0.6f, 0.6f, 1.0f, 1.0f};
inline constexpr GLfloat g_LightDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr GLfloat g_LightSpecular[4] = {0.2f, 0.2f, 0.2f, 1.0f};
inline constexpr GLfloat g_LightPosition[4] = {0.0f, 100.0f, 0.0f, 1.0f};

// The light of the pass that lays down the scene as it looks in shadow.
inline constexpr GLfloat g_DimAmbient[4] = {0.1f, 0.1f, 0.1f, 1.0f};
inline constexpr GLfloat g_DimDiffuse[4] = {0.35f, 0.35f, 0.35f, 1.0f};
