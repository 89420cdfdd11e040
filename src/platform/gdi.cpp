// Drawing objects, system metrics and colours, and the program's pictures.
#include "platform/gdi_internal.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// handle -> object, for every live drawing object of this kind of font,
// pen, brush and bitmap.
// The tables live for the whole run (objects may outlive static destruction).
std::unordered_map<HGDIOBJ, GdiObjectBase*>& Objects()
{
    static auto* objects = new std::unordered_map<HGDIOBJ, GdiObjectBase*>;
    return *objects;
}

// handle -> the C++ object that owns it, or a wrapper made for it.
std::unordered_map<HGDIOBJ, CGdiObject*>& Owners()
{
    static auto* owners = new std::unordered_map<HGDIOBJ, CGdiObject*>;
    return *owners;
}
std::unordered_map<HGDIOBJ, CGdiObject*>& Wrappers()
{
    static auto* wrappers = new std::unordered_map<HGDIOBJ, CGdiObject*>;
    return *wrappers;
}

void DropWrapper(HGDIOBJ handle)
{
    auto it = Wrappers().find(handle);
    if (it == Wrappers().end())
        return;
    CGdiObject* wrapper = it->second;
    Wrappers().erase(it);
    wrapper->m_hObject = nullptr;  // a wrapper does not own its object
    delete wrapper;
}

template <class T>
HGDIOBJ Register(T* object)
{
    HGDIOBJ handle = object;
    Objects()[handle] = object;
    return handle;
}

std::map<UINT, QImage>& Bitmaps()
{
    static auto* bitmaps = new std::map<UINT, QImage>;
    return *bitmaps;
}
std::map<UINT, std::vector<QImage>>& Icons()
{
    static auto* icons = new std::map<UINT, std::vector<QImage>>;
    return *icons;
}

QImage ImageFromPixels(int width, int height, const uint32_t* pixels, QImage::Format format)
{
    if (width <= 0 || height <= 0 || !pixels)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), pixels + static_cast<size_t>(y) * width, static_cast<size_t>(width) * 4);
    return image.convertToFormat(format);
}

std::string Lower(const char* s)
{
    std::string out = s ? s : "";
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

QString MapFace(const char* face)
{
    const std::string f = Lower(face);
    if (f.find("courier") != std::string::npos || f.find("console") != std::string::npos ||
        f.find("mono") != std::string::npos || f == "fixedsys" || f == "terminal")
        return QStringLiteral("DejaVu Sans Mono");
    if (f.find("times") != std::string::npos || f.find("serif") == 0 || f.find("georgia") != std::string::npos)
        return QStringLiteral("DejaVu Serif");
    return QStringLiteral("DejaVu Sans");
}

// The resource id in a name: MAKEINTRESOURCE(id) or "#id"; 0 when neither.
UINT ResourceId(const char* name)
{
    const auto value = reinterpret_cast<uintptr_t>(name);
    if (value != 0 && value < 0x10000)
        return static_cast<UINT>(value);
    if (name && name[0] == '#')
        return static_cast<UINT>(std::atoi(name + 1));
    return 0;
}

HICON MakeIcon(UINT id, int cx, int cy)
{
    auto it = Icons().find(id);
    if (it == Icons().end() || it->second.empty())
        return nullptr;
    const int want = cx > 0 ? cx : GetSystemMetrics(SM_CXICON);
    const QImage* best = &it->second.front();
    for (const QImage& image : it->second)
        if (std::abs(image.width() - want) < std::abs(best->width() - want))
            best = &image;
    auto* icon = new HICON__;
    icon->image = *best;
    if (cx > 0 && cy > 0 && (best->width() != cx || best->height() != cy))
        icon->image = best->scaled(cx, cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return icon;
}

}  // namespace

GdiObjectBase* LiveGdiObject(HGDIOBJ object)
{
    auto it = Objects().find(object);
    return it == Objects().end() ? nullptr : it->second;
}

QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }
COLORREF FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QFont DialogFont(const char* face, int pointSize)
{
    const std::string f = Lower(face);
    QFont font(MapFace(face));
    font.setStyleStrategy(QFont::PreferAntialias);
    if (f.empty() || f == "system") {
        // The system font's cell is 8 x 16 pixels, bold; its size never changes.
        font.setPixelSize(13);
        font.setBold(true);
        return font;
    }
    font.setPixelSize(std::max(9, static_cast<int>(std::lround(pointSize * 4.0 / 3.0))));
    return font;
}

QFont QFontOf(HGDIOBJ font)
{
    auto* o = LiveGdiObject(font);
    if (o && o->kind == GdiKind::Font)
        return static_cast<const UiFont*>(o)->font;
    return DialogFont("System", 10);
}

HGDIOBJ SharedFontObject(const QFont& font)
{
    static std::vector<UiFont*> shared;
    for (UiFont* f : shared)
        if (f->font == font)
            return static_cast<HGDIOBJ>(f);
    auto* f = new UiFont;
    f->font = font;
    f->stock = true;
    shared.push_back(f);
    return Register(f);
}

BOOL OffsetRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

// ---- metrics and colours ----

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        QScreen* screen = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
        if (!screen)
            return index == SM_CXSCREEN ? 1024 : 768;
        const QSize s = screen->geometry().size() * screen->devicePixelRatio();
        return index == SM_CXSCREEN ? s.width() : s.height();
    }
    case SM_CYCAPTION: return 22;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
    }
}

COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_ACTIVECAPTION: return RGB(10, 36, 106);
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_CAPTIONTEXT: return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT: return RGB(10, 36, 106);
    case COLOR_BTNFACE: return RGB(212, 208, 200);
    case COLOR_BTNSHADOW: return RGB(128, 128, 128);
    case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW: return RGB(64, 64, 64);
    case COLOR_INFOBK: return RGB(255, 255, 225);
    default: return RGB(0, 0, 0);
    }
}

HBRUSH GetSysColorBrush(int index)
{
    static std::map<int, HBRUSH> brushes;
    HBRUSH& b = brushes[index];
    if (!b) {
        auto* brush = new HBRUSH__;
        brush->color = GetSysColor(index);
        brush->stock = true;
        Register(brush);
        b = brush;
    }
    return b;
}

HGDIOBJ GetStockObject(int index)
{
    static std::map<int, HGDIOBJ> stock;
    HGDIOBJ& object = stock[index];
    if (object)
        return object;
    switch (index) {
    case WHITE_BRUSH:
    case BLACK_BRUSH:
    case NULL_BRUSH: {
        auto* brush = new HBRUSH__;
        brush->color = index == WHITE_BRUSH ? RGB(255, 255, 255) : RGB(0, 0, 0);
        brush->hollow = (index == NULL_BRUSH);
        brush->stock = true;
        object = Register(brush);
        break;
    }
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN: {
        auto* pen = new HPEN__;
        pen->color = index == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
        pen->style = index == NULL_PEN ? PS_NULL : PS_SOLID;
        pen->stock = true;
        object = Register(pen);
        break;
    }
    case SYSTEM_FONT: object = SharedFontObject(DialogFont("System", 10)); break;
    case DEFAULT_GUI_FONT: object = SharedFontObject(DialogFont("MS Shell Dlg", 8)); break;
    default: return nullptr;
    }
    return object;
}

// ---- pictures ----

void RegisterBitmapResource(UINT id, int width, int height, const uint32_t* pixels)
{
    Bitmaps()[id] = ImageFromPixels(width, height, pixels, QImage::Format_RGB32);
}

void RegisterIconResource(UINT id, int width, int height, const uint32_t* pixels)
{
    QImage image = ImageFromPixels(width, height, pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return;
    auto& sizes = Icons()[id];
    sizes.erase(std::remove_if(sizes.begin(), sizes.end(), [&](const QImage& i) { return i.size() == image.size(); }),
                sizes.end());
    sizes.push_back(image);
}

QIcon ProgramIcon(UINT id)
{
    QIcon icon;
    auto it = Icons().find(id);
    if (it != Icons().end())
        for (const QImage& image : it->second)
            icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

HMODULE AfxGetResourceHandle() { return nullptr; }
HMODULE AfxGetInstanceHandle() { return nullptr; }

void* LoadImageA(HMODULE, const char* name, UINT type, int cx, int cy, UINT)
{
    const UINT id = ResourceId(name);
    if (type == IMAGE_ICON)
        return MakeIcon(id, cx, cy);
    if (type == IMAGE_BITMAP) {
        CBitmap bitmap;
        if (!bitmap.LoadBitmap(id))
            return nullptr;
        return bitmap.Detach();
    }
    return nullptr;
}

HICON LoadIconA(HMODULE, const char* name) { return MakeIcon(ResourceId(name), 0, 0); }

BOOL DestroyIcon(HICON icon)
{
    if (!icon)
        return FALSE;
    delete icon;
    return TRUE;
}

BOOL GetIconSize(HICON icon, SIZE* size)
{
    if (!icon || !size)
        return FALSE;
    size->cx = icon->image.width();
    size->cy = icon->image.height();
    return TRUE;
}

// ---- objects ----

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    HGDIOBJ handle = Detach();
    GdiObjectBase* object = LiveGdiObject(handle);
    if (!object || object->stock || object->selections > 0)
        return FALSE;
    Objects().erase(handle);
    DropWrapper(handle);
    delete object;
    return TRUE;
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    Owners()[object] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    if (handle) {
        auto it = Owners().find(handle);
        if (it != Owners().end() && it->second == this)
            Owners().erase(it);
    }
    m_hObject = nullptr;
    return handle;
}

int CGdiObject::GetObject(int size, void* buffer) const
{
    GdiObjectBase* object = LiveGdiObject(m_hObject);
    if (object && object->kind == GdiKind::Font && size >= static_cast<int>(sizeof(LOGFONT)) && buffer) {
        const QFont& font = static_cast<UiFont*>(object)->font;
        LOGFONT* lf = static_cast<LOGFONT*>(buffer);
        *lf = LOGFONT{};
        lf->lfHeight = -(font.pixelSize() > 0 ? font.pixelSize() : 13);
        lf->lfWeight = font.weight();
        lf->lfItalic = font.italic();
        lf->lfUnderline = font.underline();
        lf->lfStrikeOut = font.strikeOut();
        const QByteArray face = font.family().toLatin1();
        std::strncpy(lf->lfFaceName, face.constData(), sizeof lf->lfFaceName - 1);
        return sizeof(LOGFONT);
    }
    if (!object || object->kind != GdiKind::Bitmap || size < static_cast<int>(sizeof(BITMAP)) || !buffer)
        return 0;
    const QImage& image = static_cast<HBITMAP__*>(object)->image;
    BITMAP* bm = static_cast<BITMAP*>(buffer);
    *bm = BITMAP{};
    bm->bmWidth = image.width();
    bm->bmHeight = image.height();
    bm->bmWidthBytes = static_cast<LONG>(image.bytesPerLine());
    return sizeof(BITMAP);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (m_hObject)
        return FALSE;
    auto* pen = new HPEN__;
    pen->style = style;
    pen->width = std::max(width, 1);
    pen->color = color;
    return Attach(Register(pen));
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    if (m_hObject)
        return FALSE;
    auto* brush = new HBRUSH__;
    brush->color = color;
    return Attach(Register(brush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap)
{
    auto* source = bitmap ? LiveGdiObject(bitmap->m_hObject) : nullptr;
    if (m_hObject || !source || source->kind != GdiKind::Bitmap)
        return FALSE;
    auto* brush = new HBRUSH__;
    brush->pattern = static_cast<HBITMAP__*>(source)->image;
    return Attach(Register(brush));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    if (!logBrush)
        return FALSE;
    if (logBrush->lbStyle == BS_PATTERN) {
        CBitmap bitmap;
        bitmap.m_hObject = reinterpret_cast<HGDIOBJ>(logBrush->lbHatch);
        const BOOL made = CreatePatternBrush(&bitmap);
        bitmap.m_hObject = nullptr;  // the caller's
        return made;
    }
    return CreateSolidBrush(logBrush->lbColor);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lf)
{
    if (!lf)
        return FALSE;
    return CreateFont(lf->lfHeight, lf->lfWidth, lf->lfEscapement, lf->lfOrientation, lf->lfWeight, lf->lfItalic,
                      lf->lfUnderline, lf->lfStrikeOut, lf->lfCharSet, lf->lfOutPrecision, lf->lfClipPrecision,
                      lf->lfQuality, lf->lfPitchAndFamily, lf->lfFaceName);
}

BOOL CFont::CreateFont(int height, int width, int, int, int weight, BYTE italic, BYTE underline, BYTE strikeOut,
                       BYTE, BYTE, BYTE, BYTE, BYTE, const char* faceName)
{
    if (m_hObject)
        return FALSE;
    QFont font(MapFace(faceName));
    font.setStyleStrategy(QFont::PreferAntialias);
    // A positive height is the cell height, a negative one the character height (the em).
    int pixels = 13;
    if (height < 0) {
        pixels = -height;
    } else if (height > 0) {
        QFont probe = font;
        probe.setPixelSize(100);
        pixels = std::max(1, static_cast<int>(std::lround(height * 100.0 / QFontMetricsF(probe).height())));
    }
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight > 0 ? weight : 400, 1, 1000)));
    font.setItalic(italic != 0);
    font.setUnderline(underline != 0);
    font.setStrikeOut(strikeOut != 0);
    if (width > 0) {
        // The width asks for an average character width: stretch to it.
        const qreal natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(static_cast<int>(std::lround(width * 100.0 / natural)), 1, 4000));
    }
    auto* f = new UiFont;
    f->font = font;
    return Attach(Register(f));
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    auto it = Bitmaps().find(id);
    if (m_hObject || it == Bitmaps().end() || it->second.isNull())
        return FALSE;
    auto* bitmap = new HBITMAP__;
    bitmap->image = it->second;
    return Attach(Register(bitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (m_hObject || width <= 0 || height <= 0)
        return FALSE;
    auto* bitmap = new HBITMAP__;
    bitmap->image = QImage(width, height, QImage::Format_RGB32);
    bitmap->image.fill(Qt::black);
    return Attach(Register(bitmap));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (m_hObject || width <= 0 || height <= 0 || planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32))
        return FALSE;
    auto* bitmap = new HBITMAP__;
    const auto* bytes = static_cast<const uint8_t*>(bits);
    if (bitsPerPixel == 1) {
        bitmap->image = QImage(width, height, QImage::Format_Mono);
        bitmap->image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        const int stride = (width + 15) / 16 * 2;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap->image.setPixel(x, y, bytes ? (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1 : 0);
    } else {
        bitmap->image = QImage(width, height, QImage::Format_RGB32);
        bitmap->image.fill(Qt::black);
        for (int y = 0; bytes && y < height; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(bitmap->image.scanLine(y));
            std::memcpy(row, bytes + static_cast<size_t>(y) * width * 4, static_cast<size_t>(width) * 4);
            for (int x = 0; x < width; ++x)
                row[x] |= 0xFF000000u;
        }
    }
    return Attach(Register(bitmap));
}

DWORD CBitmap::GetBitmapBits(DWORD count, void* bits) const
{
    auto* object = LiveGdiObject(m_hObject);
    if (!object || object->kind != GdiKind::Bitmap || !bits)
        return 0;
    const QImage image = static_cast<HBITMAP__*>(object)->image.convertToFormat(QImage::Format_RGB32);
    auto* out = static_cast<uint8_t*>(bits);
    DWORD copied = 0;
    for (int y = 0; y < image.height() && copied < count; ++y) {
        const DWORD n = std::min<DWORD>(count - copied, static_cast<DWORD>(image.width()) * 4);
        std::memcpy(out + copied, image.constScanLine(y), n);
        copied += n;
    }
    return copied;
}

namespace {

template <class T>
T* WrapperOf(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    auto owner = Owners().find(handle);
    if (owner != Owners().end())
        return static_cast<T*>(owner->second);
    CGdiObject*& slot = Wrappers()[handle];
    if (!slot) {
        auto* wrapper = new T;
        wrapper->m_hObject = handle;
        slot = wrapper;
    }
    return static_cast<T*>(slot);
}

}  // namespace

CBrush* CBrush::FromHandle(HBRUSH brush) { return WrapperOf<CBrush>(brush); }
CFont* CFont::FromHandle(HGDIOBJ font) { return WrapperOf<CFont>(font); }
CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return WrapperOf<CBitmap>(bitmap); }

// The C++ object for a selected handle, of the handle's kind.
CGdiObject* GdiWrapperFor(HGDIOBJ handle)
{
    GdiObjectBase* object = LiveGdiObject(handle);
    if (!object)
        return nullptr;
    switch (object->kind) {
    case GdiKind::Pen: return WrapperOf<CPen>(handle);
    case GdiKind::Brush: return WrapperOf<CBrush>(handle);
    case GdiKind::Font: return WrapperOf<CFont>(handle);
    case GdiKind::Bitmap: return WrapperOf<CBitmap>(handle);
    }
    return nullptr;
}
