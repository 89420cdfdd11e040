#include "ui/count_grid_picture.h"

#include "platform/gdi.h"

namespace {

using namespace paint;

constexpr PaintColor Rgb(int r, int g, int b, float a = 1.0f) { return PaintRgb(r, g, b, a); }

// The dialog's face around the cells, RGB(115, 115, 115).
constexpr PaintColor kFace = Rgb(115, 115, 115);
constexpr int kWidth = COUNT_GRID_LEFT + COUNT_GRID_COLUMNS * COUNT_CELL_WIDTH;
constexpr int kHeight = COUNT_GRID_TOP + COUNT_GRID_ROWS * COUNT_CELL_HEIGHT;

// The count's corner, light so that the black count reads on it.
void PaintCountCorner(ShapePicture& cell)
{
    cell.Fill(Box(1, 1, 27, 19, 3.0f), Rgb(232, 236, 240, 0.92f));
}

// Water, light at the top and deep below, in a pale rim.
ShapePicture WaterCell()
{
    ShapePicture cell(COUNT_CELL_WIDTH, COUNT_CELL_HEIGHT);
    cell.Fill(Box(1, 1, COUNT_CELL_WIDTH - 1, COUNT_CELL_HEIGHT - 1, 4.0f), Rgb(150, 200, 230));
    ShapePicture water(COUNT_CELL_WIDTH, COUNT_CELL_HEIGHT);
    water.Fill(Box(2, 2, COUNT_CELL_WIDTH - 2, COUNT_CELL_HEIGHT - 2, 3.0f), Rgb(255, 255, 255));
    std::vector<uint32_t> argb = water.Argb();
    for (int y = 0; y < COUNT_CELL_HEIGHT; ++y) {
        const float t = static_cast<float>(y) / (COUNT_CELL_HEIGHT - 1);
        const auto mix = [t](int top, int bottom) { return static_cast<uint32_t>(top + (bottom - top) * t); };
        const uint32_t colour = (mix(96, 24) << 16) | (mix(170, 70) << 8) | mix(225, 130);
        for (int x = 0; x < COUNT_CELL_WIDTH; ++x) {
            uint32_t& p = argb[static_cast<size_t>(y) * COUNT_CELL_WIDTH + x];
            p = (p & 0xFF000000u) | colour;
        }
    }
    cell.Place(0, 0, COUNT_CELL_WIDTH, COUNT_CELL_HEIGHT, argb);
    return cell;
}

ShapePicture MissingCell(const Shape& outline)
{
    ShapePicture cell(COUNT_CELL_WIDTH, COUNT_CELL_HEIGHT);
    cell.Fill(Box(1, 1, COUNT_CELL_WIDTH - 1, COUNT_CELL_HEIGHT - 1, 4.0f), Rgb(95, 95, 95));
    cell.Fill(outline, Rgb(150, 150, 150));
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
        const GridCell c = CountGridCell(k);
        CRect line(c.left, c.top + 60, c.right, c.top + 74);
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

GridCell CountGridCell(int i)
{
    const int left = COUNT_GRID_LEFT + i % COUNT_GRID_COLUMNS * COUNT_CELL_WIDTH;
    const int top = COUNT_GRID_TOP + i / COUNT_GRID_COLUMNS * COUNT_CELL_HEIGHT;
    return GridCell{left, top, left + COUNT_CELL_WIDTH, top + COUNT_CELL_HEIGHT};
}

void RegisterCountGridPicture(unsigned id, int slots, const GridSlotSource& source, const Shape& missingOutline)
{
    ShapePicture grid(kWidth, kHeight);
    grid.Background([](float, float) { return kFace; });
    const ShapePicture water = WaterCell();
    const ShapePicture missingCell = MissingCell(missingOutline);
    std::vector<int> missing;
    for (int k = 0; k < slots && k < COUNT_GRID_SLOTS; ++k) {
        std::vector<uint32_t> picture;
        const bool has = source && source(k, COUNT_PICTURE_WIDTH, COUNT_PICTURE_HEIGHT, picture);
        ShapePicture cell = has ? water : missingCell;
        if (has && picture.size() == static_cast<size_t>(COUNT_PICTURE_WIDTH) * COUNT_PICTURE_HEIGHT)
            cell.Place(COUNT_PICTURE_LEFT, COUNT_PICTURE_TOP, COUNT_PICTURE_WIDTH, COUNT_PICTURE_HEIGHT, picture);
        if (!has)
            missing.push_back(k);
        PaintCountCorner(cell);
        const GridCell c = CountGridCell(k);
        grid.Place(c.left, c.top, cell);
    }
    const std::vector<uint32_t> argb = WithLabels(grid, missing);
    RegisterBitmapResource(id, kWidth, kHeight, argb.data());
}
