// Points, rectangles, drawing objects and device contexts. A device context
// of a dialog or control paints with the toolkit's painter while the window
// paints; a memory context paints into the bitmap selected into it.
#pragma once
#include "platform/glfont.h"
#include "platform/wintypes.h"

#include <cstdint>

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPCTSTR = const char*;
using LPCSTR = const char*;
using LPTSTR = char*;

struct HPEN__;
using HPEN = HPEN__*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HICON__;
using HICON = HICON__*;

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int px, int py)
    {
        x = px;
        y = py;
    }
    CPoint(const POINT& p) : POINT(p) {}
};

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(int w, int h)
    {
        cx = w;
        cy = h;
    }
    CSize(const SIZE& s) : SIZE(s) {}
};

class CRect : public RECT {
public:
    CRect() = default;
    CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
    CRect(const RECT& r) : RECT(r) {}
    CRect(POINT topLeft, SIZE size) { SetRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy); }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void SetRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void InflateRect(int dx, int dy)
    {
        left -= dx;
        top -= dy;
        right += dx;
        bottom += dy;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

BOOL OffsetRect(LPRECT rect, int dx, int dy);

// Background modes, pens, raster operation, DrawState kinds.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int R2_NOT = 6;  // SetROP2: every pixel drawn is inverted
constexpr int R2_COPYPEN = 13;
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_PATTERN = 3;
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr UINT DST_TEXT = 0x0001;
constexpr UINT DST_PREFIXTEXT = 0x0002;
constexpr UINT DST_ICON = 0x0003;
constexpr UINT DSS_NORMAL = 0x0000;
constexpr UINT DSS_DISABLED = 0x0020;

// DrawText formats.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// Stock objects and system colours.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_3DFACE = COLOR_BTNFACE;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_INFOBK = 24;

// Font creation values not shared with the outline fonts.
constexpr DWORD OUT_DEFAULT_PRECIS = 0;
constexpr DWORD DEFAULT_QUALITY = 0;
constexpr DWORD FF_SWISS = 0x20;
constexpr DWORD FF_ROMAN = 0x10;
constexpr DWORD FF_MODERN = 0x30;
constexpr DWORD DEFAULT_CHARSET = 1;

// System metrics.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;

int GetSystemMetrics(int index);
COLORREF GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
HGDIOBJ GetStockObject(int index);

// Pictures of the program, found by id. The program registers them (it makes
// them at start-up); pixels are 0xAARRGGBB, rows top first, and are copied.
// An icon may be registered in several sizes; a bitmap has one.
void RegisterBitmapResource(UINT id, int width, int height, const uint32_t* pixels);
void RegisterIconResource(UINT id, int width, int height, const uint32_t* pixels);

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT LR_DEFAULTCOLOR = 0;
inline const char* MAKEINTRESOURCEA(UINT id)
{
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(id & 0xFFFF));
}
#define MAKEINTRESOURCE MAKEINTRESOURCEA

// The module handle of the program's resources (there is one module).
HMODULE AfxGetResourceHandle();
HMODULE AfxGetInstanceHandle();

// A picture by id (MAKEINTRESOURCE or "#id"). An icon comes in the registered
// size nearest SM_CXICON with cx, cy 0, else scaled to cx x cy from the
// nearest; each load is a new handle for DestroyIcon (a bitmap's for
// DeleteObject). Null when there is no such picture.
void* LoadImageA(HMODULE module, const char* name, UINT type, int cx, int cy, UINT flags);
HICON LoadIconA(HMODULE module, const char* name);
BOOL DestroyIcon(HICON icon);
BOOL GetIconSize(HICON icon, SIZE* size);

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    void* bmBits = nullptr;
};

class CDC;
class CBitmap;

// A drawing object. Deleted with its C++ object; an object still selected into
// a device context is not deleted (as the system refuses).
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL DeleteObject();
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    // A bitmap's BITMAP or a font's LOGFONT; the bytes copied, 0 for others.
    int GetObject(int size, void* buffer) const;

    HGDIOBJ m_hObject = nullptr;
};

struct LOGFONTA {
    LONG lfHeight = 0;  // negative: the character height in pixels
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[32] = {};
};
using LOGFONT = LOGFONTA;

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    uintptr_t lbHatch = 0;  // BS_PATTERN: the HBITMAP
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    // A brush of a picture repeated from the context's brush origin; a
    // one-bit picture paints its 0 bits in the text colour and its 1 bits in
    // the background colour of the context it fills in.
    BOOL CreatePatternBrush(CBitmap* bitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
    static CBrush* FromHandle(HBRUSH brush);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

// Fonts of dialogs and painted text (the outline fonts of the 3D text are
// the other kind, glfont.h). "System" and the usual dialog faces map to the
// fonts installed here.
class CFont : public CGdiObject {
public:
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    static CFont* FromHandle(HGDIOBJ font);
};

class CBitmap : public CGdiObject {
public:
    BOOL LoadBitmap(UINT id);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // One bit per pixel (rows padded to 16 bits, the first pixel in the top
    // bit) or 32 (0x??RRGGBB, rows top first); null bits give black.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // The pixels as 32-bit 0xFFRRGGBB, rows top first; the bytes copied.
    DWORD GetBitmapBits(DWORD count, void* bits) const;
    static CBitmap* FromHandle(HBITMAP bitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

// A device context. Drawing follows the GDI rules the controls rely on:
// rectangles exclude their right and bottom edges, LineTo excludes its end
// point, coordinates are logical (window origin) and TextOut places the top
// left corner of the text cell.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    HDC m_hDC = nullptr;

    // A wrapper for a context this object does not own (released with the context).
    static CDC* FromHandle(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();
    // A memory context whose drawing goes to the bitmap selected into it.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    HGDIOBJ SelectObject(HGDIOBJ object);

    int SetBkMode(int mode);
    int GetBkMode() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;

    CPoint SetWindowOrg(int x, int y);
    void LPtoDP(LPRECT rect) const;
    void DPtoLP(LPRECT rect) const;
    int GetClipBox(LPRECT rect) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;

    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    BOOL RoundRect(LPCRECT rect, POINT ellipse)
    {
        return RoundRect(rect->left, rect->top, rect->right, rect->bottom, ellipse.x, ellipse.y);
    }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }
    // A one-pixel frame of the brush just inside the rectangle.
    void FrameRect(LPCRECT rect, CBrush* brush);
    // R2_COPYPEN (drawing as it is) or R2_NOT (shapes invert what lies under them).
    int SetROP2(int mode);
    int GetROP2() const;
    // Where pattern brushes start, in device pixels.
    CPoint SetBrushOrg(int x, int y);
    // Saves the selected objects, colours, modes and origins; RestoreDC(-1)
    // brings back the last saved state, RestoreDC(n) the n-th (1 first).
    int SaveDC();
    BOOL RestoreDC(int savedDC);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    // Memory contexts only.
    COLORREF GetPixel(int x, int y) const;

    BOOL TextOut(int x, int y, const char* text, int count = -1);
    int DrawText(const char* text, int count, LPRECT rect, UINT format);
    CSize GetTextExtent(const char* text, int count = -1) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int srcX, int srcY, DWORD rop);
    BOOL DrawIcon(int x, int y, HICON icon);
    // DST_TEXT / DST_PREFIXTEXT (an ampersand underlines the next letter),
    // DSS_DISABLED for embossed grey text; the brush is unused.
    BOOL DrawState(CPoint pt, CSize size, const char* text, UINT flags, BOOL prefixText = TRUE, int count = 0,
                   CBrush* brush = nullptr);
    // DST_ICON, drawn at `size` (the icon's own size when 0).
    BOOL DrawState(CPoint pt, CSize size, HICON icon, UINT flags, CBrush* brush = nullptr);
};
