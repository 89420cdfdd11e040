// What a device context holds inside the layer: its window and the font
// selected into it.
#pragma once
#include "platform/wintypes.h"

struct HDC__ {
    HWND hwnd = nullptr;
    HGDIOBJ font = nullptr;
    int pixelFormat = 0;
};
