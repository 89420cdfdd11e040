// Picking with OpenGL selection: the fish under a click, and the point under
// the mouse found by testing thin bars at known coordinates.
#include "view/tank_view.h"

#include "settings/tank_numbers.h"

namespace {

constexpr int SELECT_BUFFER_SIZE = 512;
constexpr double FISH_PICK_WIDTH = 30.0;
constexpr double FISH_PICK_HEIGHT = 70.0;
constexpr double BAR_PICK_SIZE = 15.0;
constexpr float SWEEP_STEP = 0.1f;

// The target a fish offers to picking: a 2 x 2 quad just behind its position.
void DrawFishPickQuad()
{
    glBegin(GL_QUADS);
    glVertex3f(-1.0f, -1.0f, -1.0f);
    glVertex3f(1.0f, -1.0f, -1.0f);
    glVertex3f(1.0f, 1.0f, -1.0f);
    glVertex3f(-1.0f, 1.0f, -1.0f);
    glEnd();
}

// Draws one object at (x, y, z) in selection mode through a pick box of
// width x height pixels around the mouse; returns the number of hits.
template <class Draw>
GLint SelectionHits(int mouseX, int mouseY, double width, double height, const float at[3], Draw draw)
{
    GLuint buffer[SELECT_BUFFER_SIZE];
    GLint viewport[4];
    glPushMatrix();
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(SELECT_BUFFER_SIZE, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(mouseX, viewport[3] - mouseY, width, height, viewport);
    gluPerspective(45.0, static_cast<double>(viewport[2]) / (viewport[3] > 0 ? viewport[3] : 1), 0.1, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(at[0], at[1], at[2]);
    draw();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint hits = glRenderMode(GL_RENDER);
    glPopMatrix();
    return hits;
}

// Steps every sample's coordinate c by 0.1 in the sweep direction; sample 0
// turns the direction when it leaves start +- 1, tested before each step.
void Sweep(float (*samples)[3], int count, int c, float start, BYTE& rising)
{
    for (int i = 0; i < count; ++i) {
        if (samples[0][c] < start - 1.0f)
            rising = 1;
        if (samples[0][c] > start + 1.0f)
            rising = 0;
        samples[i][c] += rising ? SWEEP_STEP : -SWEEP_STEP;
    }
}

}  // namespace

void CTankView::PickFish()
{
    if (!m_bLButtonDown)
        return;
    m_bLButtonDown = 0;

    // The first fish in species and array order with a hit wins, not the nearest.
    IFishArray* found = nullptr;
    int foundFish = -1;
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        IFishArray* fish = FishArray(k);
        for (int j = 0; fish && j < fish->GetSize(); ++j) {
            const GLint hits = SelectionHits(m_nMouseX, m_nMouseY, FISH_PICK_WIDTH, FISH_PICK_HEIGHT,
                                             fish->GetAt(j).m_fPos, DrawFishPickQuad);
            if (hits > 0 && !found) {
                found = fish;
                foundFish = j;
            }
        }
    }
    if (!found)
        return;

    // Each through the fish's own class (species 24 only clamps its pitch).
    switch (m_nMode) {
    case ID_TOOL_TOUCH: found->Touch(foundFish); break;
    case ID_TOOL_GROW: found->ChangeSize(foundFish, 1.0f, true); break;
    case ID_TOOL_SHRINK: found->ChangeSize(foundFish, 1.0f, false); break;
    default: break;
    }
}

float CTankView::GetPickPointX()
{
    for (const float* sample : m_fPickBarX) {
        const GLuint bar = m_nSceneLists[7];
        if (SelectionHits(m_nMouseX, m_nMouseY, BAR_PICK_SIZE, BAR_PICK_SIZE, sample, [bar] { glCallList(bar); }) >
            0) {
            m_fPickPointX = sample[0];
            return m_fPickPointX;
        }
    }
    return m_fPickPointX;
}

float CTankView::GetPickPointY()
{
    for (const float* sample : m_fPickBarY) {
        const GLuint bar = m_nSceneLists[8];
        if (SelectionHits(m_nMouseX, m_nMouseY, BAR_PICK_SIZE, BAR_PICK_SIZE, sample, [bar] { glCallList(bar); }) >
            0) {
            m_fPickPointY = sample[1];
            return m_fPickPointY;
        }
    }
    return m_fPickPointY;
}

void CTankView::SweepPickBars()
{
    Sweep(m_fPickBarX, 101, 0, m_fTankBounds[0], m_bPickBarXRising);
    Sweep(m_fPickBarY, 51, 1, m_fTankBounds[3], m_bPickBarYRising);
}
