// Mouse pointers: the program's own cursor pictures by id, the arrow, and
// the cursor shown over the window under the mouse.
#pragma once
#include "platform/wintypes.h"

#include <cstdint>

struct HCURSOR__;
using HCURSOR = HCURSOR__*;

// Registers (or replaces) the cursor picture `id`: pixels are 0xAARRGGBB,
// rows top first, copied; (hotX, hotY) is the point of the picture that
// points. A replaced picture keeps its handle.
void RegisterCursorResource(UINT id, int width, int height, int hotX, int hotY, const uint32_t* pixels);

// The shared handle of cursor picture `id` (nothing to free); null when the
// program has no such picture.
HCURSOR LoadCursorResource(UINT id);
// The system's normal arrow.
HCURSOR LoadArrowCursor();

// Makes `cursor` the pointer over the program's window under the mouse; a
// null cursor hides the pointer there. Returns the cursor set before.
HCURSOR SetCursor(HCURSOR cursor);
// The cursor last set (null at start).
HCURSOR GetCursor();
