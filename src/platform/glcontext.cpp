// GL contexts of windows on the toolkit's OpenGL contexts (GLX on X11).
#include "platform/glcontext.h"

#include "platform/dc_internal.h"
#include "platform/glew_loader.h"
#include "platform/native.h"

#include <QOpenGLContext>
#include <cstdio>

struct HGLRC__ {
    QOpenGLContext context;
};

namespace {

HGLRC g_current = nullptr;
HWND g_currentWindow = nullptr;

NativeWindow* WindowOf(HDC dc)
{
    return dc && IsLiveWindow(dc->hwnd) ? dc->hwnd->window : nullptr;
}

}  // namespace

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd)
{
    if (!WindowOf(dc) || !pfd)
        return 0;
    const DWORD needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if ((pfd->dwFlags & needed) != needed || pfd->iPixelType != PFD_TYPE_RGBA)
        return 0;
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior((pfd->dwFlags & PFD_DOUBLEBUFFER) ? QSurfaceFormat::DoubleBuffer
                                                             : QSurfaceFormat::SingleBuffer);
    const int channel = pfd->cColorBits >= 24 ? 8 : 5;
    format.setRedBufferSize(channel);
    format.setGreenBufferSize(channel);
    format.setBlueBufferSize(channel);
    format.setAlphaBufferSize(pfd->cAlphaBits);
    format.setDepthBufferSize(pfd->cDepthBits);
    format.setStencilBufferSize(pfd->cStencilBits);
    // Swaps wait for nothing: the frame timer paces the game.
    format.setSwapInterval(0);
    dc->hwnd->format = format;
    return 1;
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*)
{
    NativeWindow* w = WindowOf(dc);
    if (!w || format != 1)
        return FALSE;
    // The visual is fixed when the native window is made: remake it with this format.
    if (w->handle())
        w->destroy();
    w->setFormat(dc->hwnd->format);
    w->create();
    if (!w->handle())
        return FALSE;
    dc->pixelFormat = format;
    return TRUE;
}

int GetPixelFormatDepthBits(HDC dc)
{
    if (g_current && g_currentWindow && dc && g_currentWindow == dc->hwnd)
        return g_current->context.format().depthBufferSize();
    NativeWindow* w = WindowOf(dc);
    return w ? w->format().depthBufferSize() : 0;
}

HGLRC wglCreateContext(HDC dc)
{
    NativeWindow* w = WindowOf(dc);
    if (!w || !w->handle())
        return nullptr;
    auto* rc = new HGLRC__;
    rc->context.setFormat(w->requestedFormat());
    if (!rc->context.create()) {
        delete rc;
        return nullptr;
    }
    const int depth = rc->context.format().depthBufferSize();
    if (depth >= 0 && depth < 24)
        std::fprintf(stderr, "parvolune: only a %d-bit depth buffer is offered\n", depth);
    return rc;
}

BOOL wglMakeCurrent(HDC dc, HGLRC context)
{
    if (!context) {
        if (g_current)
            g_current->context.doneCurrent();
        g_current = nullptr;
        g_currentWindow = nullptr;
        return TRUE;
    }
    NativeWindow* w = WindowOf(dc);
    if (!w || !context->context.makeCurrent(w))
        return FALSE;
    g_current = context;
    g_currentWindow = dc->hwnd;
    return LoadGlEntryPoints() ? TRUE : FALSE;
}

HGLRC wglGetCurrentContext() { return g_current; }

BOOL wglDeleteContext(HGLRC context)
{
    if (!context)
        return FALSE;
    if (context == g_current) {
        context->context.doneCurrent();
        g_current = nullptr;
        g_currentWindow = nullptr;
    }
    delete context;
    return TRUE;
}

BOOL SwapBuffers(HDC dc)
{
    NativeWindow* w = WindowOf(dc);
    if (!w || !g_current || g_currentWindow != dc->hwnd)
        return FALSE;
    if (!w->isExposed())
        return FALSE;  // nothing on screen to swap to
    g_current->context.swapBuffers(w);
    return TRUE;
}
