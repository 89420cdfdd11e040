// Inside the layer: what drawing objects and device contexts hold.
#pragma once
#include "platform/gdi.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

enum class GdiKind { Pen, Brush, Font, Bitmap };

struct GdiObjectBase {
    explicit GdiObjectBase(GdiKind k) : kind(k) {}
    virtual ~GdiObjectBase() = default;
    GdiKind kind;
    bool stock = false;
    int selections = 0;  // device contexts it is selected into
};

struct HPEN__ : GdiObjectBase {
    HPEN__() : GdiObjectBase(GdiKind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct HBRUSH__ : GdiObjectBase {
    HBRUSH__() : GdiObjectBase(GdiKind::Brush) {}
    bool hollow = false;
    COLORREF color = 0;
    // A pattern brush's picture; a one-bit picture is kept as Format_Mono.
    QImage pattern;
};

struct UiFont : GdiObjectBase {
    UiFont() : GdiObjectBase(GdiKind::Font) {}
    QFont font;
};

struct HBITMAP__ : GdiObjectBase {
    HBITMAP__() : GdiObjectBase(GdiKind::Bitmap) {}
    QImage image;
};

struct HICON__ {
    QImage image;
};

// The live drawing object behind a handle (null for anything else).
GdiObjectBase* LiveGdiObject(HGDIOBJ object);

// The toolkit font of the fonts dialogs name: "System" (whatever the size) is
// the bold face at the scale of 2 pixels per dialog unit; other faces scale
// with their point size.
QFont DialogFont(const char* face, int pointSize);
// The toolkit font of a font object (the system font for anything else).
QFont QFontOf(HGDIOBJ font);
// A font object for a toolkit font, owned by the layer for the whole run.
HGDIOBJ SharedFontObject(const QFont& font);
QColor ToQColor(COLORREF color);
COLORREF FromQColor(const QColor& color);

// Every registered size of icon `id` (empty when there is none), e.g. for
// the windows' icon.
QIcon ProgramIcon(UINT id);

struct DcState {
    HWND hwnd = nullptr;
    QPainter* painter = nullptr;  // null: drawing is dropped
    std::unique_ptr<QPainter> ownPainter;
    bool memory = false;
    QRect bounds;  // device area the context covers
    HGDIOBJ pen = nullptr, brush = nullptr, font = nullptr, bitmap = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    QPoint pos, windowOrg;
    int rop2 = R2_COPYPEN;
    QPoint brushOrg;
    std::function<void()> onRelease;
    // SaveDC: what RestoreDC brings back.
    struct Saved {
        HGDIOBJ pen, brush, font, bitmap;
        COLORREF textColor, bkColor;
        int bkMode, rop2;
        QPoint pos, windowOrg, brushOrg;
    };
    std::vector<Saved> saved;
};

// A context drawing with `painter` (may be null) over `bounds` for hwnd.
HDC OpenPainterDC(HWND hwnd, QPainter* painter, const QRect& bounds);
// Closes a context made by OpenPainterDC or CreateCompatibleDC: runs its
// release action, deselects its objects and frees its temporary wrapper.
void CloseDC(HDC dc);
DcState* GetDcState(HDC dc);
