// Fonts and 3D outline glyphs in place of the GDI font and wglUseFontOutlines:
// glyph outlines from FreeType (DejaVu Sans, Bold for weights of 600 and more),
// tessellated with the GLU tessellator into plain triangles, one display list
// per character code, each ending with a translation by the glyph's advance.
#pragma once
#include "platform/wintypes.h"

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr DWORD ANSI_CHARSET = 0;
constexpr DWORD OUT_TT_PRECIS = 4;
constexpr DWORD CLIP_DEFAULT_PRECIS = 0;
constexpr DWORD ANTIALIASED_QUALITY = 4;
constexpr DWORD FF_DONTCARE = 0;
constexpr DWORD DEFAULT_PITCH = 0;
constexpr int WGL_FONT_POLYGONS = 1;  // the one format built: solid glyphs

struct POINTFLOAT {
    float x = 0, y = 0;
};
struct GLYPHMETRICSFLOAT {
    float gmfBlackBoxX = 0;
    float gmfBlackBoxY = 0;
    POINTFLOAT gmfptGlyphOrigin;
    float gmfCellIncX = 0;
    float gmfCellIncY = 0;
};

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* faceName);
// Selects a font into a device context; returns the one selected before (null
// when none was, or when dc or object is not a device context and a font).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Deletes a font. FALSE for anything else and for a font still selected into a
// device context (it stays valid there).
BOOL DeleteObject(HGDIOBJ object);

// Builds `count` display lists from `listBase` for the characters first..first+count-1
// (code page 1252) of the font selected into dc (the default bold face when none).
// Glyphs are one unit per em, `extrusion` deep along -z: front faces at z = 0,
// back faces at z = -extrusion, side walls between them, all as GL_TRIANGLES
// with their normals; each list ends with a translation by the advance along x.
// Control codes give empty lists without advance, characters the font lacks
// empty lists with the advance of its missing-glyph box. `deviation` is the
// largest distance of the flattened curves from the true ones, in em (0: finest).
// Needs a current GL context. Returns FALSE, building no lists and zeroing the
// metrics, when the font cannot be loaded or the format is not WGL_FONT_POLYGONS.
BOOL wglUseFontOutlinesA(HDC dc, DWORD first, DWORD count, DWORD listBase, float deviation, float extrusion,
                         int format, GLYPHMETRICSFLOAT* metrics);
