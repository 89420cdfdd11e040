// What the settings dialogs and the game window share beside the settings
// block: which of the player's own media are in charge, and the running
// phases of the colour cycles.
#pragma once
#include "platform/wintypes.h"

// 1 while the player's own music is in charge (the Music dialog keeps it; 1
// at program start).
extern BYTE g_bOwnMusic;
// 1 while the player's own background picture is shown (the Background dialog
// keeps it).
extern BYTE g_bOwnBackground;
// The running phases of the colour cycles: kept by the game window, saved by
// the Aquarium dialog as "LOCKFORE ROT" and "LOCKBACK ROT".
extern float g_fFrontPhaseSaved;
extern float g_fBackPhaseSaved;
