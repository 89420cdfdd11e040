#include "platform/glfont.h"

#include "platform/dc_internal.h"
#include "platform/glyph_outline.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <unordered_set>

struct HFONT__ {
    int weight = FW_NORMAL;
    int selections = 0;  // device contexts it is selected into
};

namespace {

// ---- font objects ----

std::mutex g_fontsMutex;
std::unordered_set<HFONT__*> g_fonts;

HFONT__* LiveFont(HGDIOBJ object)
{
    auto it = g_fonts.find(static_cast<HFONT__*>(object));
    return it == g_fonts.end() ? nullptr : *it;
}

// ---- characters ----

// Code page 1252 in 0x80..0x9F; 0 for the unassigned codes, which are C1 control codes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Unicode character of a code page 1252 code; 0 for control codes, and
// for codes past the single-byte range (they have no character).
char32_t Cp1252ToUnicode(DWORD code)
{
    if (code < 0x20 || code == 0x7F || code > 0xFF)
        return 0;
    if (code >= 0x80 && code < 0xA0)
        return kCp1252High[code - 0x80];
    return code;
}

// ---- the display list ----

void EmitSolid(const GlyphOutline& glyph, float depth)
{
    const auto& front = glyph.triangles;
    glBegin(GL_TRIANGLES);
    glNormal3f(0, 0, 1);
    for (const auto& v : front)
        glVertex3d(v[0], v[1], 0);
    glNormal3f(0, 0, -1);
    for (size_t i = 0; i < front.size(); i += 3) {
        for (size_t k : {i, i + 2, i + 1})
            glVertex3d(front[k][0], front[k][1], -depth);
    }
    // Walls: edge a→b with the inside on its right faces (-dy, dx), wound counter-clockwise from outside.
    const auto& pts = glyph.points;
    for (const GlyphOutline::Contour& c : glyph.contours) {
        for (size_t i = 0; i < c.count; ++i) {
            const GlyphOutline::Point* a = &pts[c.first + i];
            const GlyphOutline::Point* b = &pts[c.first + (i + 1) % c.count];
            if (!glyph.fillsRight)
                std::swap(a, b);
            const double dx = (*b)[0] - (*a)[0], dy = (*b)[1] - (*a)[1];
            const double length = std::hypot(dx, dy);
            if (length == 0)
                continue;
            glNormal3d(-dy / length, dx / length, 0);
            glVertex3d((*a)[0], (*a)[1], 0);
            glVertex3d((*b)[0], (*b)[1], 0);
            glVertex3d((*b)[0], (*b)[1], -depth);
            glVertex3d((*a)[0], (*a)[1], 0);
            glVertex3d((*b)[0], (*b)[1], -depth);
            glVertex3d((*a)[0], (*a)[1], -depth);
        }
    }
    glEnd();
}

// One list: the solid (when there is one), then the step to the next character.
void BuildList(GLuint list, const GlyphOutline* glyph, float depth, float advance)
{
    glNewList(list, GL_COMPILE);
    if (glyph && !glyph->triangles.empty())
        EmitSolid(*glyph, depth);
    glTranslatef(advance, 0, 0);
    glEndList();
}

GLYPHMETRICSFLOAT Metrics(const GlyphOutline& glyph)
{
    GLYPHMETRICSFLOAT m;
    m.gmfBlackBoxX = static_cast<float>(glyph.xMax - glyph.xMin);
    m.gmfBlackBoxY = static_cast<float>(glyph.yMax - glyph.yMin);
    m.gmfptGlyphOrigin = {static_cast<float>(glyph.xMin), static_cast<float>(glyph.yMax)};
    m.gmfCellIncX = static_cast<float>(glyph.advance);
    return m;
}

}  // namespace

HFONT CreateFontA(int /*height*/, int /*width*/, int /*escapement*/, int /*orientation*/, int weight,
                  DWORD /*italic*/, DWORD /*underline*/, DWORD /*strikeOut*/, DWORD /*charSet*/,
                  DWORD /*outPrecision*/, DWORD /*clipPrecision*/, DWORD /*quality*/, DWORD /*pitchAndFamily*/,
                  const char* /*faceName*/)
{
    auto* font = new HFONT__;
    font->weight = weight;
    std::lock_guard lock(g_fontsMutex);
    g_fonts.insert(font);
    return font;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    std::lock_guard lock(g_fontsMutex);
    HFONT__* font = LiveFont(object);
    if (!dc || !font)
        return nullptr;
    HGDIOBJ previous = dc->font;
    ++font->selections;
    if (HFONT__* old = LiveFont(previous))
        --old->selections;
    dc->font = font;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object)
{
    std::lock_guard lock(g_fontsMutex);
    HFONT__* font = LiveFont(object);
    if (!font || font->selections > 0)
        return FALSE;
    g_fonts.erase(font);
    delete font;
    return TRUE;
}

BOOL wglUseFontOutlinesA(HDC dc, DWORD first, DWORD count, DWORD listBase, float deviation, float extrusion,
                         int format, GLYPHMETRICSFLOAT* metrics)
{
    int weight = FW_BOLD;
    if (dc) {
        std::lock_guard lock(g_fontsMutex);
        if (HFONT__* font = LiveFont(dc->font))
            weight = font->weight;
    }
    const auto refuse = [&] {
        if (metrics)
            std::fill(metrics, metrics + count, GLYPHMETRICSFLOAT{});
        return FALSE;
    };
    if (format != WGL_FONT_POLYGONS)
        return refuse();
    GlyphFace face(weight);
    if (!face.loaded())
        return refuse();

    const float missingAdvance = static_cast<float>(face.MissingGlyphAdvance());
    GlyphOutline outline;
    for (DWORD i = 0; i < count; ++i) {
        const GLuint list = listBase + i;
        const DWORD code = first + i;
        const char32_t ch = Cp1252ToUnicode(code);
        GLYPHMETRICSFLOAT glyph;
        if (ch != 0 && face.Load(ch, deviation, outline)) {
            glyph = Metrics(outline);
            BuildList(list, &outline, extrusion, glyph.gmfCellIncX);
        } else {
            const bool control = ch == 0 && code <= 0xFF;
            glyph.gmfCellIncX = control ? 0.0f : missingAdvance;
            BuildList(list, nullptr, extrusion, glyph.gmfCellIncX);
        }
        if (metrics)
            metrics[i] = glyph;
    }
    return TRUE;
}
