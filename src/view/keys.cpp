// The keys of the game: help, restart, aiming and firing, and the tuning keys.
#include "view/tank_view.h"

#include "platform/shell.h"
#include "ui/help_page.h"

namespace {

constexpr float AIM_STEP = 5.0f;
constexpr float AIM_LIMIT = 90.0f;
constexpr float TUNE_STEP = 0.1f;

struct DialogKey {
    UINT vk;
    int command;
};

constexpr DialogKey kDialogKeys[] = {
    {VK_F3, ID_TOOL_PLANTS_SETTINGS},
    {VK_F4, ID_TOOL_BACKGROUND_SETTINGS},
    {VK_F5, ID_TOOL_MUSIC_SETTINGS},
};

void TurnBy(CCannon& cannon, float degrees)
{
    cannon.m_fAngle += degrees;
    if (cannon.m_fAngle > AIM_LIMIT)
        cannon.m_fAngle = AIM_LIMIT;
    if (cannon.m_fAngle < -AIM_LIMIT)
        cannon.m_fAngle = -AIM_LIMIT;
}

}  // namespace

BOOL CTankView::PreTranslateMessage(MSG* msg)
{
    const bool keyDown = msg->message == WM_KEYDOWN;
    if (keyDown && msg->wParam == VK_F1) {
        m_bShowHud = !m_bShowHud;
        ShellExecuteA(nullptr, "open", "IEXPLORE", HelpPageAddress().c_str(), nullptr, SW_SHOWMAXIMIZED);
    }
    if (keyDown && msg->wParam == VK_LEFT) {
        m_Cannon.Fire();
        TurnBy(m_Cannon, AIM_STEP);
    }
    if (keyDown && msg->wParam == VK_RIGHT) {
        m_Cannon.Fire();
        TurnBy(m_Cannon, -AIM_STEP);
    }
    // Space held with an arrow turns and fires on every message, timer ticks included.
    if (GetKeyState(VK_SPACE) < 0 && GetKeyState(VK_LEFT) < 0) {
        TurnBy(m_Cannon, AIM_STEP);
        m_Cannon.Fire();
    }
    if (GetKeyState(VK_SPACE) < 0 && GetKeyState(VK_RIGHT) < 0) {
        TurnBy(m_Cannon, -AIM_STEP);
        m_Cannon.Fire();
    }
    if (keyDown && msg->wParam == VK_F2)
        RestartGame();
    // The dialogs the command bar has no button for.
    if (keyDown) {
        for (const DialogKey& key : kDialogKeys)
            if (msg->wParam == key.vk)
                PostMessage(WM_COMMAND, MAKEWPARAM(key.command, 0), 0);
    }
    if (keyDown) {
        switch (ToAsciiFromKeyState(static_cast<UINT>(msg->wParam))) {
        case 'F':
        case 'f':
            g_fPolygonOffsetUnits += ToAsciiFromKeyState(static_cast<UINT>(msg->wParam)) == 'F' ? TUNE_STEP : -TUNE_STEP;
            glPolygonOffset(g_fPolygonOffsetFactor, g_fPolygonOffsetUnits);
            break;
        case 'X': g_fTuneRot[0] += TUNE_STEP; break;
        case 'x': g_fTuneRot[0] -= TUNE_STEP; break;
        case 'Y': g_fTuneRot[1] += TUNE_STEP; break;
        case 'y': g_fTuneRot[1] -= TUNE_STEP; break;
        case 'Z': g_fTuneRot[2] += TUNE_STEP; break;
        case 'z': g_fTuneRot[2] -= TUNE_STEP; break;
        case 'w': g_fTuneOffset[0] += TUNE_STEP; break;
        case 'n': g_fTuneOffset[0] -= TUNE_STEP; break;
        case 'u': g_fTuneOffset[1] += TUNE_STEP; break;
        case 'd': g_fTuneOffset[1] -= TUNE_STEP; break;
        case 'r': g_fTuneOffset[2] += TUNE_STEP; break;
        case 'l': g_fTuneOffset[2] -= TUNE_STEP; break;
        default: break;
        }
    }
    return CWnd::PreTranslateMessage(msg);
}
