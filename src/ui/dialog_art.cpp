#include "ui/dialog_art.h"

#include "platform/cursor.h"
#include "platform/gdi.h"
#include "ui/tool_pictures.h"
#include "ui/ui_resource.h"

#include <cstdint>
#include <vector>

namespace {

using namespace paint;

constexpr PaintColor Rgb(int r, int g, int b, float a = 1.0f) { return PaintRgb(r, g, b, a); }

constexpr PaintColor kGreen = Rgb(30, 160, 60);
constexpr PaintColor kDarkGreen = Rgb(0, 110, 30);
constexpr PaintColor kGrey = Rgb(150, 150, 150);
constexpr PaintColor kWhite = Rgb(255, 255, 255);
constexpr PaintColor kOrange = Rgb(250, 128, 20);
constexpr PaintColor kWater = Rgb(80, 170, 240);

constexpr int kIcon = 32;
constexpr int kSmall = 16;

void RegisterBitmap(unsigned id, const ShapePicture& p)
{
    const std::vector<uint32_t> argb = p.Argb();
    RegisterBitmapResource(id, p.Width(), p.Height(), argb.data());
}

void RegisterIcon(unsigned id, const ShapePicture& p)
{
    const std::vector<uint32_t> argb = p.Argb();
    RegisterIconResource(id, p.Width(), p.Height(), argb.data());
}

// The 16 x 16 pictures stand on the dialog's face colour (they have no
// transparency of their own).
ShapePicture SmallPicture()
{
    ShapePicture p(kSmall, kSmall, Rgb(90, 90, 90));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    p.Background([&](float, float) { return Rgb(GetRValue(face), GetGValue(face), GetBValue(face)); });
    return p;
}

void MakeCheckBoxes()
{
    ShapePicture unchecked = SmallPicture();
    unchecked.Fill(Box(1.5f, 1.5f, 14.5f, 14.5f, 1.5f), kGrey);
    unchecked.Fill(Box(2.5f, 2.5f, 13.5f, 13.5f, 1.0f), kWhite);
    RegisterBitmap(IDB_UNCHECKED, unchecked);

    ShapePicture checked = unchecked;
    checked.Fill(Union({Capsule(4.2f, 8.2f, 6.8f, 11.2f, 1.3f), Capsule(6.8f, 11.2f, 12, 4.5f, 1.3f)}), kGreen);
    RegisterBitmap(IDB_CHECKED, checked);

    ShapePicture on = SmallPicture();
    on.Fill(Disc(8, 8, 6.8f), kDarkGreen);
    on.Fill(Disc(8, 8, 5.6f), kGreen);
    on.Fill(Disc(6.6f, 6.4f, 1.6f), Rgb(200, 255, 210, 0.8f));
    RegisterBitmap(IDB_RADIO_ON, on);

    ShapePicture off = SmallPicture();
    off.Fill(Disc(8, 8, 6.8f), kGreen);
    off.Fill(Disc(8, 8, 5.4f), Rgb(185, 185, 185));
    RegisterBitmap(IDB_RADIO_OFF, off);
}

void MakeSinglePixels()
{
    const uint32_t face = 0xFF9C9CADu;  // RGB(156, 156, 173)
    RegisterBitmapResource(IDB_AQUARIUM_FACE, 1, 1, &face);
    const uint32_t grey = 0xFF737373u;  // the Fish grid's RGB(115, 115, 115)
    RegisterBitmapResource(IDB_FISH_PAGE1, 1, 1, &grey);
}

// A fish facing right with a plus and a minus beside it.
void PaintFishSettings(ShapePicture& p)
{
    const Shape body = Union({Ellipse(15, 13, 9, 6), Triangle(2, 7, 2, 19, 8, 13)});
    p.Draw(body, kOrange);
    p.Fill(Capsule(13, 8, 13, 18, 1.0f), kWhite);
    p.Fill(Disc(20.5f, 11.5f, 1.4f), Rgb(10, 10, 10));
    p.Draw(Union({Box(18, 24, 30, 26.4f, 0.4f), Box(22.8f, 19.2f, 25.2f, 31.2f, 0.4f)}), kGreen, 1.0f);
    p.Draw(Box(4, 26, 14, 28.4f, 0.4f), Rgb(230, 60, 50), 1.0f);
}

// A small camera seen from the front.
void PaintCamera(ShapePicture& p)
{
    p.Draw(Union({Box(4, 10, 28, 26, 2.5f), Box(11, 6, 20, 10.5f, 1.0f)}), Rgb(70, 80, 95));
    p.Draw(Disc(16, 18, 6), Rgb(40, 45, 55), 0.8f);
    p.Fill(Disc(16, 18, 4.2f), Rgb(150, 210, 255));
    p.Fill(Disc(14.4f, 16.4f, 1.3f), kWhite);
    p.Fill(Disc(24.5f, 13, 1.3f), Rgb(255, 200, 60));
}

// A tank of water with a plant and bubbles, lit from a lamp above.
void PaintAquariumSettings(ShapePicture& p)
{
    p.Draw(Box(2, 9, 30, 29, 1.5f), Rgb(210, 235, 250));
    p.Fill(Box(3.5f, 14, 28.5f, 27.5f, 1.0f), kWater);
    p.Fill(Box(3.5f, 24.5f, 28.5f, 27.5f, 1.0f), Rgb(230, 200, 120));
    p.Fill(Union({Capsule(9, 25, 8, 17, 1.1f), Capsule(9, 25, 12, 18, 1.0f)}), Rgb(40, 150, 60));
    p.Fill(Union({Ring(21, 19, 1.6f, 0.8f), Ring(24, 15.5f, 1.1f, 0.7f)}), kWhite);
    p.Draw(Box(6, 3, 26, 7, 1.5f), Rgb(255, 210, 60), 1.0f);
}

// The cannon: a barrel on a wheel, a ball flying.
void PaintShoot(ShapePicture& p)
{
    p.Draw(Turned(Box(8, 13, 27, 19.5f, 2.5f), 12, 20, -35), Rgb(80, 85, 95));
    p.Draw(Disc(11, 24, 5), Rgb(120, 80, 40));
    p.Fill(Disc(11, 24, 1.6f), Rgb(60, 40, 20));
    p.Draw(Disc(27, 6, 3), Rgb(40, 40, 40), 1.0f);
}

// An "i" in a blue disc.
void PaintAbout(ShapePicture& p)
{
    p.Draw(Disc(8, 8, 7), Rgb(40, 110, 220), 0.8f);
    p.Fill(Disc(8, 4.6f, 1.3f), kWhite);
    p.Fill(Box(6.9f, 7, 9.1f, 12.6f, 0.5f), kWhite);
}

void MakeIcons()
{
    struct Icon {
        unsigned id;
        void (*paintPicture)(ShapePicture&);
    };
    const Icon icons[] = {
        {IDI_FEED, [](ShapePicture& p) { PaintFeed(p, false); }},
        {IDI_TOUCH, [](ShapePicture& p) { PaintTouch(p, false); }},
        {IDI_FISH_SETTINGS, PaintFishSettings},
        {IDI_CAMERA, PaintCamera},
        {IDI_RIPPLE, PaintRipple},
        {IDI_AQUARIUM_SETTINGS, PaintAquariumSettings},
        {IDI_MOVE_CANNON, [](ShapePicture& p) { PaintCrosshair(p, true); }},
        {IDI_SHOOT, PaintShoot},
    };
    for (const Icon& icon : icons) {
        ShapePicture p(kIcon, kIcon);
        icon.paintPicture(p);
        RegisterIcon(icon.id, p);
    }
    ShapePicture about(kSmall, kSmall);
    PaintAbout(about);
    RegisterIcon(IDI_ABOUT, about);
}

void MakeHandCursor()
{
    ShapePicture p(kIcon, kIcon);
    PaintTouch(p, false);
    const std::vector<uint32_t> argb = p.Argb();
    RegisterCursorResource(IDC_HAND, kIcon, kIcon, 12, 3, argb.data());
}

}  // namespace

void RegisterDialogPictures()
{
    static const bool registered = [] {
        MakeCheckBoxes();
        MakeSinglePixels();
        MakeIcons();
        MakeHandCursor();
        return true;
    }();
    (void)registered;
}
