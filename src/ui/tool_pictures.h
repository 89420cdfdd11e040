// The pictures of the mouse tools, painted by code into 32 x 32 pictures:
// the same pictures make the tools' cursors and their command-bar icons.
#pragma once
#include "ui/paint_shapes.h"

namespace paint {

// A hand pointing up with its index finger (its tip at (12, 3)); pressing,
// the finger bends in and the tip shows a tap.
void PaintTouch(ShapePicture& p, bool down);
// A food shaker tipped over its holes, the food dropping at (5, 28).
void PaintFeed(ShapePicture& p, bool down);
// A magnifier (its glass centred at (12, 12)) with a plus or a minus.
void PaintMagnifier(ShapePicture& p, bool plus, bool down);
// A water drop over its rings (centred at (16, 23)).
void PaintRipple(ShapePicture& p);
// A crosshair centred at (16, 16); held, it turns red and closes in.
void PaintCrosshair(ShapePicture& p, bool down);
// A small camera with four arrows in to it or out from it.
void PaintZoom(ShapePicture& p, bool in, bool down);

}  // namespace paint
