// The tool cursors: the pictures of the tools with their hot spots.
#include "ui/tool_cursors.h"

#include "platform/cursor.h"
#include "ui/tool_pictures.h"

namespace {

using paint::ShapePicture;

void Register(unsigned id, int hotX, int hotY, void (*paintPicture)(ShapePicture&))
{
    ShapePicture p(TOOL_CURSOR_SIZE, TOOL_CURSOR_SIZE);
    paintPicture(p);
    const std::vector<uint32_t> argb = p.Argb();
    RegisterCursorResource(id, TOOL_CURSOR_SIZE, TOOL_CURSOR_SIZE, hotX, hotY, argb.data());
}

}  // namespace

void RegisterToolCursors()
{
    static const bool registered = [] {
        using namespace paint;
        Register(IDC_TOUCH, 12, 3, [](ShapePicture& p) { PaintTouch(p, false); });
        Register(IDC_TOUCH_DOWN, 12, 3, [](ShapePicture& p) { PaintTouch(p, true); });
        Register(IDC_FEED, 5, 28, [](ShapePicture& p) { PaintFeed(p, false); });
        Register(IDC_FEED_DOWN, 5, 28, [](ShapePicture& p) { PaintFeed(p, true); });
        Register(IDC_GROW, 12, 12, [](ShapePicture& p) { PaintMagnifier(p, true, false); });
        Register(IDC_GROW_DOWN, 12, 12, [](ShapePicture& p) { PaintMagnifier(p, true, true); });
        Register(IDC_SHRINK, 12, 12, [](ShapePicture& p) { PaintMagnifier(p, false, false); });
        Register(IDC_SHRINK_DOWN, 12, 12, [](ShapePicture& p) { PaintMagnifier(p, false, true); });
        Register(IDC_RIPPLE, 16, 23, [](ShapePicture& p) { PaintRipple(p); });
        Register(IDC_MOVE_CANNON, 16, 16, [](ShapePicture& p) { PaintCrosshair(p, false); });
        Register(IDC_MOVE_CANNON_DOWN, 16, 16, [](ShapePicture& p) { PaintCrosshair(p, true); });
        Register(IDC_ZOOM_IN, 16, 16, [](ShapePicture& p) { PaintZoom(p, true, false); });
        Register(IDC_ZOOM_IN_DOWN, 16, 16, [](ShapePicture& p) { PaintZoom(p, true, true); });
        Register(IDC_ZOOM_OUT, 16, 16, [](ShapePicture& p) { PaintZoom(p, false, false); });
        Register(IDC_ZOOM_OUT_DOWN, 16, 16, [](ShapePicture& p) { PaintZoom(p, false, true); });
        return true;
    }();
    (void)registered;
}
