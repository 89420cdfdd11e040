#include "platform/cursor.h"

#include "platform/cursor_internal.h"
#include "platform/native.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <map>
#include <memory>

// The picture is kept as an image: pictures are registered before the
// toolkit starts, and a toolkit cursor is made only when shown.
struct HCURSOR__ {
    QImage image;
    QPoint hotSpot;
    Qt::CursorShape shape = Qt::BitmapCursor;
};

QCursor ToolkitCursor(HCURSOR cursor)
{
    if (!cursor)
        return QCursor(Qt::BlankCursor);
    if (cursor->shape != Qt::BitmapCursor)
        return QCursor(cursor->shape);
    return QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y());
}

namespace {

std::map<UINT, std::unique_ptr<HCURSOR__>>& Cursors()
{
    static std::map<UINT, std::unique_ptr<HCURSOR__>> cursors;
    return cursors;
}

HCURSOR g_current = nullptr;

// The deepest visible toolkit window at a screen point (null: none of ours).
QWindow* WindowAt(const QPoint& global)
{
    QWindow* window = QGuiApplication::topLevelAt(global);
    while (window) {
        QWindow* hit = nullptr;
        for (QWindow* child : window->findChildren<QWindow*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child->geometry().contains(window->mapFromGlobal(global)))
                hit = child;  // later children lie on top
        }
        if (!hit)
            break;
        window = hit;
    }
    return window;
}

}  // namespace

void RegisterCursorResource(UINT id, int width, int height, int hotX, int hotY, const uint32_t* pixels)
{
    if (width <= 0 || height <= 0 || !pixels)
        return;
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pixels[static_cast<size_t>(y) * width + x]);
    auto& slot = Cursors()[id];
    if (!slot)
        slot = std::make_unique<HCURSOR__>();
    slot->image = image;
    slot->hotSpot = QPoint(hotX, hotY);
}

HCURSOR LoadCursorResource(UINT id)
{
    auto it = Cursors().find(id);
    return it == Cursors().end() ? nullptr : it->second.get();
}

HCURSOR LoadArrowCursor()
{
    static HCURSOR__ arrow{QImage(), QPoint(), Qt::ArrowCursor};
    return &arrow;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    const HCURSOR previous = g_current;
    g_current = cursor;
    if (!qGuiApp)
        return previous;
    // Only the program's own windows take the cursor; dialogs and controls
    // keep the toolkit's.
    if (auto* window = dynamic_cast<NativeWindow*>(WindowAt(QCursor::pos())))
        window->setCursor(ToolkitCursor(cursor));
    return previous;
}

HCURSOR GetCursor() { return g_current; }
