#include "settings/shared_state.h"

BYTE g_bOwnMusic = 1;
BYTE g_bOwnBackground = 0;
float g_fFrontPhaseSaved = 0.0f;
float g_fBackPhaseSaved = 0.0f;
