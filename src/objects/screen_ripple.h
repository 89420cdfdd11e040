// Water rings over the whole picture: a 32 x 32 grid that covers the view,
// textured with a copy of the frame, whose texture coordinates each ripple
// pushes about as a damped ring travels out from where the user clicked.
#pragma once

struct RIPPLEVERTEX {
    float x = 0.0f, y = 0.0f;          // position, -1..1
    float u = 0.0f, v = 0.0f;          // current texture coordinates
    float restU = 0.0f, restV = 0.0f;  // texture coordinates at rest
};

// One record of the vector table: the unit direction from a ripple centre to
// a vertex dx columns and dy rows away, and their distance in table steps.
struct RIPPLEVECTOR {
    double ex = 0.0, ey = 0.0;
    int distance = 0;
};

class CScreenRipple {
public:
    static constexpr int GRID = 32;
    static constexpr int SLOTS = 7;
    static constexpr int AMPLITUDES = 2048;

    CScreenRipple() = default;
    virtual ~CScreenRipple() = default;

    // Rebuilds the grid and frees every slot for a view of width x height pixels.
    void Init(int width, int height);
    // Starts a ripple at pixel (x, y), y counted from the bottom; ignored when
    // every slot is busy or the view has no area. Centres off the grid are
    // held to its edge.
    void AddRipple(int x, int y);
    // Advances every slot by one step and recomputes the texture coordinates.
    // The arguments are not used.
    void Update(int mouseX, int mouseY);
    // One polygon per grid cell with the current texture coordinates.
    void Draw();

    static double GridDistance(int x1, int y1, int x2, int y2);
    // The time at which a ripple centred on cell (cx, cy) is over.
    int MaxCornerDistance(int cx, int cy) const;

    // The constant tables: dx, dy in 0..GRID-1; a in 0..AMPLITUDES-1.
    static const RIPPLEVECTOR& Vector(int dx, int dy);
    static double Amplitude(int a);

    RIPPLEVERTEX m_Grid[GRID * GRID];  // vertex (i, j) is record GRID * i + j
    int m_nCenterX[SLOTS] = {};
    int m_nCenterY[SLOTS] = {};
    int m_nTime[SLOTS] = {};
    int m_nEnd[SLOTS] = {};
    int m_nDiagonal = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
