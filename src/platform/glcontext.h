// Pixel formats and GL contexts of windows, in place of WGL: a window's device
// context gets a pixel format, a context is made on it and made current.
#pragma once
#include "platform/wintypes.h"

struct PIXELFORMATDESCRIPTOR {
    WORD nSize = 0;
    WORD nVersion = 0;
    DWORD dwFlags = 0;
    BYTE iPixelType = 0;
    BYTE cColorBits = 0;
    BYTE cRedBits = 0, cRedShift = 0, cGreenBits = 0, cGreenShift = 0, cBlueBits = 0, cBlueShift = 0;
    BYTE cAlphaBits = 0, cAlphaShift = 0;
    BYTE cAccumBits = 0, cAccumRedBits = 0, cAccumGreenBits = 0, cAccumBlueBits = 0, cAccumAlphaBits = 0;
    BYTE cDepthBits = 0;
    BYTE cStencilBits = 0;
    BYTE cAuxBuffers = 0;
    BYTE iLayerType = 0;
    BYTE bReserved = 0;
    DWORD dwLayerMask = 0, dwVisibleMask = 0, dwDamageMask = 0;
};

constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001;
constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004;
constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020;
constexpr BYTE PFD_TYPE_RGBA = 0;
constexpr BYTE PFD_MAIN_PLANE = 0;

// 1 when the window can take such a format (a double-buffered RGBA window with
// the asked depth buffer, or the deepest offered of at least 24 bits), else 0.
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd);
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd);
// The depth bits the window's surface really has (after SetPixelFormat).
int GetPixelFormatDepthBits(HDC dc);

HGLRC wglCreateContext(HDC dc);
// Makes the context current on the window (null: none current). The first
// time a context becomes current the GL entry points are loaded.
BOOL wglMakeCurrent(HDC dc, HGLRC context);
HGLRC wglGetCurrentContext();
BOOL wglDeleteContext(HGLRC context);
BOOL SwapBuffers(HDC dc);
