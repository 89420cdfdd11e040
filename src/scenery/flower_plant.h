// Flower plant: eleven stems around a vertical axis, each of three stalks
// stacked 2 units apart and tilted 0, 45 and -45 degrees, every stalk topped
// by a flower head. The stalks bend with the swing ramp and ripple with the
// sway wave; the heads ripple only. It carries its own material and its own
// picture, read from beside the program.
#pragma once
#include "scenery/plant_model.h"

#include <GL/glew.h>

#include <string>

// The flower's material: colours and shininess, and the texture entry it
// binds (a negative index: untextured).
struct FLOWERMATERIAL {
    float ambient[3];
    float diffuse[3];
    float specular[3];
    float emission[3];
    float alpha;
    float shininess;
    int texture;
};

struct FLOWERTEXTURE {
    const char* fileName;
    GLuint name;  // 0 until LoadTexture
};

constexpr int kFlowerMaterialCount = 1;
constexpr int kFlowerTextureCount = 1;

// Shared by every flower plant.
extern BYTE g_bFlowerSwingUp;
extern FLOWERMATERIAL g_FlowerMaterials[kFlowerMaterialCount];
extern int g_nFlowerMaterial;  // the material the meshes select
extern FLOWERTEXTURE g_FlowerTextures[kFlowerTextureCount];

class CFlowerPlant : public CPlantModel {
public:
    CFlowerPlant();

    // The eleven stems.
    void Draw();
    // Three stalks with their heads.
    void DrawStem(const float* bend, const float* sway);
    // A stalk, each row bent about the diagonal axis and swayed in y.
    void DrawLeaf1(const float* bend, const float* sway);
    // A flower head, swayed in y and z (the bend is not read).
    void DrawLeaf2(const float* bend, const float* sway);
    void ComputeSway(float* out, int n);
    void ComputeBend(float* out, int n, float limit);

    // Material record `index` for both faces, and its texture (records
    // outside the table are ignored).
    static void ApplyMaterial(int index);
    static void SetMaterialColor(GLenum parameter, const float rgb[3], float alpha);
    // Makes the flower's texture and fills it from its picture beside the
    // program; TRUE (a missing or bad picture leaves it without an image).
    static BOOL LoadTexture();
    // Fills the bound texture from a BMP file; FALSE, with one line on
    // standard error, when the file is missing or not a picture it can read.
    static BOOL LoadTextureFile(const char* fileName);
    // Where the flower's picture is looked for: beside the program.
    static std::string PicturePath();

    CSwingRamp m_swing;  // m_fSwingRate, m_fSwing, m_nSwingCounter
    CSwayWave m_sway;    // m_fPhaseSpeed, m_nSwayCounter
    float m_fSize[3] = {0.0f, 0.0f, 0.0f};
};
