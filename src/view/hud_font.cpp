// The 3D font of the on-screen text.
#include "view/tank_view.h"

#include "platform/glfont.h"

#include <cstdarg>
#include <cstdio>

GLuint g_nFontBase = 0;

void CTankView::BuildFont()
{
    g_nFontBase = glGenLists(256);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_DONTCARE | DEFAULT_PITCH, nullptr);
    SelectObject(m_pDC->GetSafeHdc(), font);
    static GLYPHMETRICSFLOAT metrics[256];
    wglUseFontOutlinesA(m_pDC->GetSafeHdc(), 0, 255, g_nFontBase, 0.0f, 0.2f, WGL_FONT_POLYGONS, metrics);
}

void CTankView::Print3DText(const char* fmt, ...)
{
    if (!fmt)
        return;
    char text[256];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    if (n <= 0)
        return;
    const size_t length = static_cast<size_t>(n) < sizeof text ? static_cast<size_t>(n) : sizeof text - 1;
    glPushAttrib(GL_LIST_BIT);
    glListBase(g_nFontBase);
    glCallLists(static_cast<GLsizei>(length), GL_UNSIGNED_BYTE, text);
    glPopAttrib();
}
