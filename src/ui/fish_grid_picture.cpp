// Each cell: water behind the species' own fish, or a grey cell with a fish
// outline and "not in the game yet"; a light corner where the dialog writes
// the count.
#include "ui/fish_grid_picture.h"

#include "gfx/settings.h"
#include "platform/gdi.h"
#include "ui/paint_shapes.h"
#include "ui/ui_resource.h"

namespace {

using namespace paint;

constexpr PaintColor Rgb(int r, int g, int b, float a = 1.0f) { return PaintRgb(r, g, b, a); }

// The dialog's face around the cells, RGB(115, 115, 115).
constexpr PaintColor kFace = Rgb(115, 115, 115);
constexpr int kWidth = FISH_GRID_LEFT + FISH_GRID_COLUMNS * FISH_CELL_WIDTH;
constexpr int kHeight = FISH_GRID_TOP + FISH_GRID_ROWS * FISH_CELL_HEIGHT;

SpeciesPortraitSource& Source()
{
    static SpeciesPortraitSource source;
    return source;
}

bool& Made()
{
    static bool made = false;
    return made;
}

// The count's corner, light so that the black count reads on it.
void PaintCountCorner(ShapePicture& cell)
{
    cell.Fill(Box(1, 1, 27, 19, 3.0f), Rgb(232, 236, 240, 0.92f));
}

// Water, light at the top and deep below, in a pale rim.
ShapePicture WaterCell()
{
    ShapePicture cell(FISH_CELL_WIDTH, FISH_CELL_HEIGHT);
    cell.Fill(Box(1, 1, FISH_CELL_WIDTH - 1, FISH_CELL_HEIGHT - 1, 4.0f), Rgb(150, 200, 230));
    ShapePicture water(FISH_CELL_WIDTH, FISH_CELL_HEIGHT);
    water.Fill(Box(2, 2, FISH_CELL_WIDTH - 2, FISH_CELL_HEIGHT - 2, 3.0f), Rgb(255, 255, 255));
    std::vector<uint32_t> argb = water.Argb();
    for (int y = 0; y < FISH_CELL_HEIGHT; ++y) {
        const float t = static_cast<float>(y) / (FISH_CELL_HEIGHT - 1);
        const auto mix = [t](int top, int bottom) { return static_cast<uint32_t>(top + (bottom - top) * t); };
        const uint32_t colour = (mix(96, 24) << 16) | (mix(170, 70) << 8) | mix(225, 130);
        for (int x = 0; x < FISH_CELL_WIDTH; ++x) {
            uint32_t& p = argb[static_cast<size_t>(y) * FISH_CELL_WIDTH + x];
            p = (p & 0xFF000000u) | colour;
        }
    }
    cell.Place(0, 0, FISH_CELL_WIDTH, FISH_CELL_HEIGHT, argb);
    return cell;
}

ShapePicture MissingCell()
{
    ShapePicture cell(FISH_CELL_WIDTH, FISH_CELL_HEIGHT);
    cell.Fill(Box(1, 1, FISH_CELL_WIDTH - 1, FISH_CELL_HEIGHT - 1, 4.0f), Rgb(95, 95, 95));
    const PaintColor line = Rgb(150, 150, 150);
    cell.Fill(EllipseRing(54, 40, 24, 13, 2.0f), line);
    cell.Fill(Union({Capsule(30, 40, 18, 29, 1.0f), Capsule(30, 40, 18, 51, 1.0f), Capsule(18, 29, 18, 51, 1.0f)}),
              line);
    cell.Fill(Disc(68, 37, 2.0f), line);
    return cell;
}

// The cells' labels, written with the dialogs' own text drawing.
std::vector<uint32_t> WithLabels(const ShapePicture& picture, const std::vector<int>& missing)
{
    std::vector<uint32_t> argb = picture.Argb();
    CBitmap bitmap;
    CDC dc;
    if (!bitmap.CreateBitmap(kWidth, kHeight, 1, 32, argb.data()) || !dc.CreateCompatibleDC(nullptr))
        return argb;
    CBitmap* old = dc.SelectObject(&bitmap);
    CFont font;
    font.CreateFont(-11, 0, 0, 0, 400, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial");
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(200, 200, 200));
    for (const int k : missing) {
        const int left = FISH_GRID_LEFT + k % FISH_GRID_COLUMNS * FISH_CELL_WIDTH;
        const int top = FISH_GRID_TOP + k / FISH_GRID_COLUMNS * FISH_CELL_HEIGHT;
        CRect line(left, top + 60, left + FISH_CELL_WIDTH, top + 74);
        dc.DrawText("not in the", -1, &line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        line.OffsetRect(0, 12);
        dc.DrawText("game yet", -1, &line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.SelectObject(oldFont);
    dc.SelectObject(old);
    bitmap.GetBitmapBits(static_cast<DWORD>(argb.size() * 4), argb.data());
    return argb;
}

}  // namespace

void SetSpeciesPortraitSource(SpeciesPortraitSource source)
{
    Source() = std::move(source);
    Made() = false;
}

void RegisterFishGridPicture()
{
    if (Made())
        return;
    Made() = true;
    ShapePicture grid(kWidth, kHeight);
    grid.Background([](float, float) { return kFace; });
    const ShapePicture water = WaterCell();
    const ShapePicture missingCell = MissingCell();
    std::vector<int> missing;
    for (int k = 0; k < FISH_SPECIES_COUNT; ++k) {
        std::vector<uint32_t> portrait;
        const bool built =
            Source() && Source()(k, FISH_PORTRAIT_WIDTH, FISH_PORTRAIT_HEIGHT, portrait) &&
            portrait.size() == static_cast<size_t>(FISH_PORTRAIT_WIDTH) * FISH_PORTRAIT_HEIGHT;
        ShapePicture cell = built ? water : missingCell;
        if (built)
            cell.Place(FISH_PORTRAIT_LEFT, FISH_PORTRAIT_TOP, FISH_PORTRAIT_WIDTH, FISH_PORTRAIT_HEIGHT, portrait);
        else
            missing.push_back(k);
        PaintCountCorner(cell);
        grid.Place(FISH_GRID_LEFT + k % FISH_GRID_COLUMNS * FISH_CELL_WIDTH,
                   FISH_GRID_TOP + k / FISH_GRID_COLUMNS * FISH_CELL_HEIGHT, cell);
    }
    const std::vector<uint32_t> argb = WithLabels(grid, missing);
    RegisterBitmapResource(IDB_FISH_PAGE0, kWidth, kHeight, argb.data());
}
