// Device contexts: GDI drawing on the toolkit's painter.
#include "platform/dc_internal.h"
#include "platform/gdi_internal.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstring>
#include <unordered_map>

CGdiObject* GdiWrapperFor(HGDIOBJ handle);

namespace {

std::unordered_map<HDC, DcState*>& States()
{
    static auto* states = new std::unordered_map<HDC, DcState*>;
    return *states;
}

// Wrappers made by CDC::FromHandle, freed with their context.
std::unordered_map<HDC, CDC*>& TempDCs()
{
    static auto* temps = new std::unordered_map<HDC, CDC*>;
    return *temps;
}

HGDIOBJ StockBitmap()
{
    static CBitmap* bitmap = [] {
        auto* b = new CBitmap;
        b->CreateCompatibleBitmap(nullptr, 1, 1);
        return b;
    }();
    return bitmap->m_hObject;
}

void AddSelection(HGDIOBJ object, int delta)
{
    if (GdiObjectBase* o = LiveGdiObject(object))
        o->selections += delta;
}

// The painter ready for logical coordinates of the context; null when its drawing is dropped.
QPainter* Prepare(DcState* st)
{
    if (!st || !st->painter || !st->painter->isActive())
        return nullptr;
    QPainter* p = st->painter;
    p->setTransform(QTransform::fromTranslate(-st->windowOrg.x(), -st->windowOrg.y()));
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return p;
}

const HPEN__* PenOf(const DcState* st)
{
    auto* o = LiveGdiObject(st->pen);
    return o && o->kind == GdiKind::Pen ? static_cast<const HPEN__*>(o) : nullptr;
}

const HBRUSH__* BrushOf(const DcState* st)
{
    auto* o = LiveGdiObject(st->brush);
    return o && o->kind == GdiKind::Brush ? static_cast<const HBRUSH__*>(o) : nullptr;
}

QFont FontOf(const DcState* st) { return QFontOf(st ? st->font : nullptr); }

HBITMAP__* BitmapOf(const DcState* st)
{
    auto* o = LiveGdiObject(st ? st->bitmap : nullptr);
    return o && o->kind == GdiKind::Bitmap ? static_cast<HBITMAP__*>(o) : nullptr;
}

// Pen width drawn, 0 for the null pen.
int PenWidth(const HPEN__* pen) { return !pen || pen->style == PS_NULL ? 0 : pen->width; }

QString Text(const char* text, int count)
{
    if (!text)
        return QString();
    const int n = count < 0 ? static_cast<int>(std::strlen(text)) : count;
    return QString::fromLatin1(text, n);
}

// The toolkit brush of a brush object in a context: a solid colour, or a
// pattern from the context's brush origin (a one-bit pattern in the text and
// background colours).
QBrush ToolkitBrush(QPainter* p, const DcState* st, const HBRUSH__* brush)
{
    if (!brush || brush->hollow)
        return QBrush(Qt::NoBrush);
    if (brush->pattern.isNull())
        return QBrush(ToQColor(brush->color));
    QImage tile = brush->pattern;
    if (tile.format() == QImage::Format_Mono) {
        tile.setColorTable({ToQColor(st->textColor).rgb(), ToQColor(st->bkColor).rgb()});
        tile = tile.convertToFormat(QImage::Format_RGB32);
    }
    p->setBrushOrigin(st->brushOrg + st->windowOrg);
    return QBrush(tile);
}

// A shape's fill and outline (the outline inside the bounding box). Under
// R2_NOT the whole shape, outline and inside, inverts what lies under it.
void Shape(DcState* st, int left, int top, int right, int bottom,
           const std::function<void(QPainter*, const QRectF&)>& draw)
{
    QPainter* p = Prepare(st);
    if (!p)
        return;
    const QRect box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized();
    if (st->rop2 == R2_NOT) {
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        p->setPen(Qt::NoPen);
        p->setBrush(Qt::white);
        draw(p, QRectF(box));
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
    }
    const HPEN__* pen = PenOf(st);
    const HBRUSH__* brush = BrushOf(st);
    const int w = PenWidth(pen);
    p->setPen(w > 0 ? QPen(ToQColor(pen->color), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : QPen(Qt::NoPen));
    p->setBrush(ToolkitBrush(p, st, brush));
    // A pen of width w draws centred on a path w/2 inside the box; pixel centres sit at +0.5.
    const qreal inset = w / 2.0;
    draw(p, QRectF(box.left() + inset, box.top() + inset, box.width() - w, box.height() - w));
}

void DrawTextAt(QPainter* p, const QFont& font, const QRect& rect, int flags, const QString& text, const QColor& color)
{
    p->setFont(font);
    p->setPen(color);
    p->drawText(rect, flags, text);
}

}  // namespace

HDC OpenPainterDC(HWND hwnd, QPainter* painter, const QRect& bounds)
{
    HDC dc = new HDC__;
    dc->hwnd = hwnd;
    auto* st = new DcState;
    st->hwnd = hwnd;
    st->painter = painter;
    st->bounds = bounds;
    st->pen = GetStockObject(BLACK_PEN);
    st->brush = GetStockObject(WHITE_BRUSH);
    // No font object yet: the system font (made when text is drawn).
    AddSelection(st->pen, 1);
    AddSelection(st->brush, 1);
    States()[dc] = st;
    return dc;
}

DcState* GetDcState(HDC dc)
{
    auto it = States().find(dc);
    return it == States().end() ? nullptr : it->second;
}

void CloseDC(HDC dc)
{
    if (!dc)
        return;
    auto temp = TempDCs().find(dc);
    if (temp != TempDCs().end()) {
        CDC* wrapper = temp->second;
        TempDCs().erase(temp);
        wrapper->m_hDC = nullptr;
        delete wrapper;
    }
    DcState* st = GetDcState(dc);
    if (st) {
        States().erase(dc);
        if (st->ownPainter && st->ownPainter->isActive())
            st->ownPainter->end();
        for (HGDIOBJ o : {st->pen, st->brush, st->font, st->bitmap})
            AddSelection(o, -1);
        for (const DcState::Saved& saved : st->saved)
            for (HGDIOBJ o : {saved.pen, saved.brush, saved.font, saved.bitmap})
                AddSelection(o, -1);
        if (st->onRelease)
            st->onRelease();
        delete st;
    }
    delete dc;
}

// ---- CDC ----

CDC::~CDC()
{
    if (m_hDC && GetDcState(m_hDC) && GetDcState(m_hDC)->memory)
        DeleteDC();
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    CDC*& slot = TempDCs()[dc];
    if (!slot) {
        slot = new CDC;
        slot->m_hDC = dc;
    }
    return slot;
}

BOOL CDC::Attach(HDC dc)
{
    if (m_hDC || !dc)
        return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_hDC)
        return FALSE;
    m_hDC = OpenPainterDC(nullptr, nullptr, QRect());
    DcState* st = GetDcState(m_hDC);
    st->memory = true;
    st->ownPainter = std::make_unique<QPainter>();
    SelectObject(StockBitmap());
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    CloseDC(Detach());
    return TRUE;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    DcState* st = GetDcState(m_hDC);
    GdiObjectBase* o = LiveGdiObject(object);
    if (!st || !o)
        return nullptr;
    HGDIOBJ* slot = nullptr;
    switch (o->kind) {
    case GdiKind::Pen: slot = &st->pen; break;
    case GdiKind::Brush: slot = &st->brush; break;
    case GdiKind::Font: slot = &st->font; break;
    case GdiKind::Bitmap:
        // Only memory contexts hold bitmaps; one bitmap is in one context at a time.
        if (!st->memory || (o->selections > 0 && object != st->bitmap))
            return nullptr;
        slot = &st->bitmap;
        break;
    }
    HGDIOBJ old = *slot;
    AddSelection(old, -1);
    AddSelection(object, 1);
    *slot = object;
    if (o->kind == GdiKind::Bitmap) {
        if (st->ownPainter->isActive())
            st->ownPainter->end();
        QImage& image = static_cast<HBITMAP__*>(o)->image;
        st->bounds = image.rect();
        st->painter = st->ownPainter->begin(&image) ? st->ownPainter.get() : nullptr;
    }
    return old;
}

CPen* CDC::SelectObject(CPen* pen)
{
    return pen ? static_cast<CPen*>(GdiWrapperFor(SelectObject(pen->m_hObject))) : nullptr;
}
CBrush* CDC::SelectObject(CBrush* brush)
{
    return brush ? static_cast<CBrush*>(GdiWrapperFor(SelectObject(brush->m_hObject))) : nullptr;
}
CFont* CDC::SelectObject(CFont* font)
{
    return font ? static_cast<CFont*>(GdiWrapperFor(SelectObject(font->m_hObject))) : nullptr;
}
CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return bitmap ? static_cast<CBitmap*>(GdiWrapperFor(SelectObject(bitmap->m_hObject))) : nullptr;
}

int CDC::SetBkMode(int mode)
{
    DcState* st = GetDcState(m_hDC);
    if (!st || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int old = st->bkMode;
    st->bkMode = mode;
    return old;
}

int CDC::GetBkMode() const
{
    DcState* st = GetDcState(m_hDC);
    return st ? st->bkMode : 0;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return 0xFFFFFFFF;
    const COLORREF old = st->bkColor;
    st->bkColor = color;
    return old;
}

COLORREF CDC::GetBkColor() const
{
    DcState* st = GetDcState(m_hDC);
    return st ? st->bkColor : 0xFFFFFFFF;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return 0xFFFFFFFF;
    const COLORREF old = st->textColor;
    st->textColor = color;
    return old;
}

COLORREF CDC::GetTextColor() const
{
    DcState* st = GetDcState(m_hDC);
    return st ? st->textColor : 0xFFFFFFFF;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return CPoint();
    const CPoint old(st->windowOrg.x(), st->windowOrg.y());
    st->windowOrg = QPoint(x, y);
    return old;
}

void CDC::LPtoDP(LPRECT rect) const
{
    DcState* st = GetDcState(m_hDC);
    if (st && rect)
        ::OffsetRect(rect, -st->windowOrg.x(), -st->windowOrg.y());
}

void CDC::DPtoLP(LPRECT rect) const
{
    DcState* st = GetDcState(m_hDC);
    if (st && rect)
        ::OffsetRect(rect, st->windowOrg.x(), st->windowOrg.y());
}

int CDC::GetClipBox(LPRECT rect) const
{
    constexpr int NULLREGION = 1, SIMPLEREGION = 2;
    DcState* st = GetDcState(m_hDC);
    if (!st || !rect)
        return 0;
    const QRect b = st->bounds;
    *rect = RECT{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    DPtoLP(rect);
    return b.isEmpty() ? NULLREGION : SIMPLEREGION;
}

CPoint CDC::MoveTo(int x, int y)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return CPoint();
    const CPoint old(st->pos.x(), st->pos.y());
    st->pos = QPoint(x, y);
    return old;
}

CPoint CDC::GetCurrentPosition() const
{
    DcState* st = GetDcState(m_hDC);
    return st ? CPoint(st->pos.x(), st->pos.y()) : CPoint();
}

BOOL CDC::LineTo(int x, int y)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return FALSE;
    const QPoint from = st->pos;
    st->pos = QPoint(x, y);
    QPainter* p = Prepare(st);
    const HPEN__* pen = PenOf(st);
    const int w = PenWidth(pen);
    if (!p || w == 0 || from == QPoint(x, y))
        return TRUE;
    const QColor color = ToQColor(pen->color);
    // Wide pens are centred on the line and their caps reach (w-1)/2 past the ends.
    const int half = w / 2;
    const int cap = (w - 1) / 2;
    if (from.x() == x) {
        const int y0 = from.y() < y ? from.y() : y + 1;
        const int y1 = from.y() < y ? y - 1 : from.y();
        p->fillRect(QRect(QPoint(x - half, y0 - cap), QPoint(x - half + w - 1, y1 + cap)), color);
    } else if (from.y() == y) {
        const int x0 = from.x() < x ? from.x() : x + 1;
        const int x1 = from.x() < x ? x - 1 : from.x();
        p->fillRect(QRect(QPoint(x0 - cap, y - half), QPoint(x1 + cap, y - half + w - 1)), color);
    } else {
        p->setPen(QPen(color, w, Qt::SolidLine, w > 1 ? Qt::RoundCap : Qt::FlatCap));
        p->drawLine(QPointF(from) + QPointF(0.5, 0.5), QPointF(x, y) + QPointF(0.5, 0.5));
    }
    return TRUE;
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    DcState* st = GetDcState(m_hDC);
    QPainter* p = Prepare(st);
    const auto* b = brush ? static_cast<const HBRUSH__*>(LiveGdiObject(brush->m_hObject)) : nullptr;
    if (!p || !rect || !b || b->kind != GdiKind::Brush || b->hollow)
        return;
    p->fillRect(QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top),
                ToolkitBrush(p, st, b));
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    const CRect edges[] = {CRect(rect->left, rect->top, rect->right, rect->top + 1),
                           CRect(rect->left, rect->bottom - 1, rect->right, rect->bottom),
                           CRect(rect->left, rect->top, rect->left + 1, rect->top + h),
                           CRect(rect->left + w - 1, rect->top, rect->right, rect->bottom)};
    for (const CRect& edge : edges)
        FillRect(&edge, brush);
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    Shape(GetDcState(m_hDC), left, top, right, bottom, [](QPainter* p, const QRectF& r) { p->drawEllipse(r); });
    return TRUE;
}

int CDC::SetROP2(int mode)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return 0;
    const int old = st->rop2;
    st->rop2 = mode == R2_NOT ? R2_NOT : R2_COPYPEN;
    return old;
}

int CDC::GetROP2() const
{
    DcState* st = GetDcState(m_hDC);
    return st ? st->rop2 : 0;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return CPoint();
    const CPoint old(st->brushOrg.x(), st->brushOrg.y());
    st->brushOrg = QPoint(x, y);
    return old;
}

int CDC::SaveDC()
{
    DcState* st = GetDcState(m_hDC);
    if (!st)
        return 0;
    st->saved.push_back(DcState::Saved{st->pen, st->brush, st->font, st->bitmap, st->textColor, st->bkColor,
                                       st->bkMode, st->rop2, st->pos, st->windowOrg, st->brushOrg});
    // The saved objects stay in use until they are restored or the context closes.
    for (HGDIOBJ o : {st->pen, st->brush, st->font, st->bitmap})
        AddSelection(o, 1);
    return static_cast<int>(st->saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    DcState* st = GetDcState(m_hDC);
    if (!st || st->saved.empty())
        return FALSE;
    const size_t level = savedDC < 0 ? st->saved.size() + savedDC + 1 : static_cast<size_t>(savedDC);
    if (level < 1 || level > st->saved.size())
        return FALSE;
    const DcState::Saved saved = st->saved[level - 1];
    for (size_t i = level - 1; i < st->saved.size(); ++i)
        for (HGDIOBJ o : {st->saved[i].pen, st->saved[i].brush, st->saved[i].font, st->saved[i].bitmap})
            AddSelection(o, -1);
    st->saved.resize(level - 1);
    for (HGDIOBJ o : {saved.pen, saved.brush, saved.font, saved.bitmap})
        if (o)
            SelectObject(o);
    st->textColor = saved.textColor;
    st->bkColor = saved.bkColor;
    st->bkMode = saved.bkMode;
    st->rop2 = saved.rop2;
    st->pos = saved.pos;
    st->windowOrg = saved.windowOrg;
    st->brushOrg = saved.brushOrg;
    return TRUE;
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (rect)
        FillSolidRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    // Filled as an opaque text background: the background colour becomes `color`.
    SetBkColor(color);
    if (QPainter* p = Prepare(GetDcState(m_hDC)))
        p->fillRect(QRect(x, y, cx, cy), ToQColor(color));
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (!rect)
        return;
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    FillSolidRect(rect->left, rect->top, w - 1, 1, topLeft);
    FillSolidRect(rect->left, rect->top, 1, h - 1, topLeft);
    FillSolidRect(rect->right - 1, rect->top, 1, h, bottomRight);
    FillSolidRect(rect->left, rect->bottom - 1, w, 1, bottomRight);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    Shape(GetDcState(m_hDC), left, top, right, bottom, [](QPainter* p, const QRectF& r) { p->drawRect(r); });
    return TRUE;
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    Shape(GetDcState(m_hDC), left, top, right, bottom, [&](QPainter* p, const QRectF& r) {
        p->drawRoundedRect(r, ellipseWidth / 2.0, ellipseHeight / 2.0);
    });
    return TRUE;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    DcState* st = GetDcState(m_hDC);
    HBITMAP__* bitmap = BitmapOf(st);
    if (!st || !st->memory || !bitmap)
        return 0xFFFFFFFF;
    const QPoint d(x - st->windowOrg.x(), y - st->windowOrg.y());
    if (!bitmap->image.rect().contains(d))
        return 0xFFFFFFFF;
    return FromQColor(bitmap->image.pixelColor(d));
}

BOOL CDC::TextOut(int x, int y, const char* text, int count)
{
    DcState* st = GetDcState(m_hDC);
    QPainter* p = Prepare(st);
    if (!p)
        return st != nullptr;
    const QString s = Text(text, count);
    const QFont font = FontOf(st);
    const QFontMetrics fm(font);
    const QRect cell(x, y, fm.horizontalAdvance(s), fm.height());
    if (st->bkMode == OPAQUE)
        p->fillRect(cell, ToQColor(st->bkColor));
    DrawTextAt(p, font, cell.adjusted(0, 0, 4, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
               s, ToQColor(st->textColor));
    return TRUE;
}

int CDC::DrawText(const char* text, int count, LPRECT rect, UINT format)
{
    DcState* st = GetDcState(m_hDC);
    if (!st || !rect)
        return 0;
    const QString s = Text(text, count);
    const QFont font = FontOf(st);
    int flags = 0;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        flags |= Qt::AlignVCenter;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    else if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    const QRect box(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    const QRect used = QFontMetrics(font).boundingRect(box, flags, s);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + used.width();
        rect->bottom = rect->top + used.height();
        return used.height();
    }
    if (QPainter* p = Prepare(st)) {
        if (!(format & DT_NOCLIP))
            p->setClipRect(box);
        if (st->bkMode == OPAQUE)
            p->fillRect(used & box, ToQColor(st->bkColor));
        DrawTextAt(p, font, box, flags, s, ToQColor(st->textColor));
        p->setClipping(false);
    }
    return used.height();
}

CSize CDC::GetTextExtent(const char* text, int count) const
{
    const QFontMetrics fm(FontOf(GetDcState(m_hDC)));
    return CSize(fm.horizontalAdvance(Text(text, count)), fm.height());
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int srcX, int srcY, DWORD rop)
{
    DcState* st = GetDcState(m_hDC);
    DcState* from = src ? GetDcState(src->m_hDC) : nullptr;
    HBITMAP__* bitmap = BitmapOf(from);
    if (!st || !from || !from->memory || !bitmap || rop != SRCCOPY)
        return FALSE;
    QPainter* p = Prepare(st);
    if (!p)
        return TRUE;
    const QRect source(srcX - from->windowOrg.x(), srcY - from->windowOrg.y(), width, height);
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(QRect(x, y, width, height), bitmap->image, source);
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    return DrawState(CPoint(x, y), CSize(0, 0), icon, DST_ICON | DSS_NORMAL);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON icon, UINT flags, CBrush*)
{
    DcState* st = GetDcState(m_hDC);
    if (!st || !icon || (flags & 0x000F) != DST_ICON)
        return FALSE;
    QPainter* p = Prepare(st);
    if (!p)
        return TRUE;
    QImage image = icon->image;
    if (flags & DSS_DISABLED) {
        // Greyed: the picture's lightness, paled, over its own alpha.
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = 128 + qGray(row[x]) / 2;
                row[x] = qRgba(grey, grey, grey, qAlpha(row[x]) / 2);
            }
        }
    }
    if (size.cx > 0 && size.cy > 0)
        p->setClipRect(QRect(pt.x, pt.y, size.cx, size.cy));
    p->drawImage(QPoint(pt.x, pt.y), image);
    p->setClipping(false);
    return TRUE;
}

BOOL CDC::DrawState(CPoint pt, CSize size, const char* text, UINT flags, BOOL prefixText, int count, CBrush*)
{
    DcState* st = GetDcState(m_hDC);
    if (!st || !text)
        return FALSE;
    QPainter* p = Prepare(st);
    if (!p)
        return TRUE;
    const UINT kind = flags & 0x000F;
    const QString s = Text(text, count > 0 ? count : -1);
    const QFont font = FontOf(st);
    const QFontMetrics fm(font);
    const int w = size.cx > 0 ? size.cx : fm.horizontalAdvance(s);
    const int h = size.cy > 0 ? size.cy : fm.height();
    int qflags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (kind == DST_PREFIXTEXT || (kind != DST_TEXT && prefixText))
        qflags |= Qt::TextShowMnemonic;
    const QRect box(pt.x, pt.y, w, h);
    if (flags & DSS_DISABLED) {
        // Embossed: a highlight one pixel down and right, the shadow colour over it.
        DrawTextAt(p, font, box.translated(1, 1), qflags, s, ToQColor(GetSysColor(COLOR_3DHILIGHT)));
        DrawTextAt(p, font, box, qflags, s, ToQColor(GetSysColor(COLOR_3DSHADOW)));
    } else {
        DrawTextAt(p, font, box, qflags, s, ToQColor(st->textColor));
    }
    return TRUE;
}
