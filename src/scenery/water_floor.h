// The floor sheet: a height grid (g_WaterFloorGrid) under the tank, drawn as
// rows of quad strips from one display list, its waves and tint following the
// floor picture style; and the scrolling light-spot quad behind the scene.
#pragma once
#include <GL/glew.h>

class CWaterFloor {
public:
    CWaterFloor() = default;
    virtual ~CWaterFloor() = default;

    // Restores the textures, fills the grid with the start shape and compiles
    // the list. Dimensions are kept within the grid's 1000 x 1000 vertices.
    void Init(int rows, int cols, int amplitude);
    // Reshapes the grid for a style (0 to 3; others keep the heights) and
    // recompiles; nothing happens when the style is the current one.
    void SetStyle(int style);
    void Draw();
    // Compiles the sheet into a new list, deleting the one it replaces.
    void BuildList();
    // The strips; called while the list is compiled.
    void DrawGrid();
    // Draws the light-spot quad for styles 0 to 3 when b and c are both set;
    // a and e are not used.
    void DrawLightSpots(int a, int b, int c, int style, int e);
    void DrawLightSpotQuad(int style);

    // How often the floor picture repeats over the sheet, along its rows
    // (x, 150 units drawn) and its columns (z, 50 units): square tiles of
    // 12.5 units, about the scale of real aquarium sand and gravel.
    static constexpr float kRepeatAlongRows = 12.0f;
    static constexpr float kRepeatAlongCols = 4.0f;

    int m_nRows = 1;
    int m_nCols = 1;
    int m_nAmplitude = 1;
    // 0: the sheet binds nothing and shows the picture the caller has bound
    // on texture unit 1 (the floor picture of the current style).
    GLuint m_texSheet = 0;
    GLuint m_texLightSpot = 0;  // "guangban0"
    GLuint m_texWater = 0;      // "Water"
    GLuint m_texLightRay = 0;   // "GuangXian"
    GLuint m_nList = 0;
    int m_nStyle = 0;  // shape style of the heights now in the grid

private:
    int GridRows() const;
    int GridCols() const;
    float HeightFactor() const;
    template <typename Shape>
    void FillGrid(Shape height);
};

// Texture offsets of the light-spot quad, kept across calls.
extern float g_fSpotU;
extern float g_fSpotV;
