// Device contexts and drawing objects the dialogs paint with: the GDI rules
// the owner-drawn controls rely on, checked on memory contexts.
#include "platform/gdi_internal.h"
#include "platform/winapp.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class GdiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }

    // A 20 x 12 memory context filled with `background`.
    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 20, 12));
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 20, 12, background);
    }
    void TearDown() override { dc.SelectObject(old); }

    // The columns of row y drawn in `color`, as a string of '#' and '.'.
    std::string Row(int y, COLORREF color)
    {
        std::string row;
        for (int x = 0; x < 20; ++x)
            row += dc.GetPixel(x, y) == color ? '#' : '.';
        return row;
    }

    const COLORREF background = RGB(10, 20, 30);
    const COLORREF black = RGB(0, 0, 0);
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

TEST_F(GdiTest, RectanglesExcludeTheirRightAndBottomEdges)
{
    CBrush brush(RGB(0, 255, 0));
    const CRect r(2, 1, 6, 4);
    dc.FillRect(&r, &brush);
    EXPECT_EQ(Row(1, RGB(0, 255, 0)), "..####..............");
    EXPECT_EQ(Row(3, RGB(0, 255, 0)), "..####..............");
    EXPECT_EQ(Row(4, RGB(0, 255, 0)), "....................");
}

TEST_F(GdiTest, RoundRectOutlinesWithThePenAndFillsWithTheBrush)
{
    // A new memory context draws with a black pen and a white brush.
    dc.RoundRect(0, 0, 10, 8, 5, 5);
    EXPECT_EQ(dc.GetPixel(0, 0), background);  // the rounded corner
    EXPECT_EQ(dc.GetPixel(5, 0), black);
    EXPECT_EQ(dc.GetPixel(9, 4), black);
    EXPECT_EQ(dc.GetPixel(5, 7), black);
    EXPECT_EQ(dc.GetPixel(10, 4), background);
    EXPECT_EQ(dc.GetPixel(5, 4), RGB(255, 255, 255));
}

TEST_F(GdiTest, LinesExcludeTheirEndPointAndWidePensCentreOnTheLine)
{
    dc.MoveTo(1, 2);
    dc.LineTo(6, 2);
    EXPECT_EQ(Row(2, black), ".#####..............");
    EXPECT_EQ(dc.GetCurrentPosition().x, 6);

    CPen wide(PS_INSIDEFRAME, 3, RGB(255, 0, 0));
    CPen* previous = dc.SelectObject(&wide);
    dc.MoveTo(10, 9);
    dc.LineTo(10, 6);
    dc.SelectObject(previous);
    EXPECT_EQ(Row(8, RGB(255, 0, 0)), ".........###........");
    EXPECT_EQ(Row(4, RGB(255, 0, 0)), "....................");
}

TEST_F(GdiTest, WindowOriginShiftsDrawingAndBlitsCopyDevicePixels)
{
    dc.SetWindowOrg(10, 10);
    dc.FillSolidRect(10, 10, 2, 1, RGB(1, 2, 3));
    dc.SetWindowOrg(0, 0);
    EXPECT_EQ(Row(0, RGB(1, 2, 3)), "##..................");

    CDC target;
    CBitmap targetBitmap;
    target.CreateCompatibleDC(nullptr);
    targetBitmap.CreateCompatibleBitmap(&target, 4, 4);
    CBitmap* oldTarget = target.SelectObject(&targetBitmap);
    EXPECT_TRUE(target.BitBlt(1, 1, 2, 1, &dc, 0, 0, SRCCOPY));
    EXPECT_EQ(target.GetPixel(1, 1), RGB(1, 2, 3));
    EXPECT_EQ(target.GetPixel(2, 1), RGB(1, 2, 3));
    EXPECT_EQ(target.GetPixel(3, 1), RGB(0, 0, 0));
    target.SelectObject(oldTarget);
}

TEST_F(GdiTest, OpaqueTextFillsItsCellAndTransparentTextDoesNot)
{
    dc.SetBkColor(RGB(255, 255, 0));
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(0, 0, "|");
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 255, 0));

    dc.FillSolidRect(0, 0, 20, 12, background);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(0, 0, "|");
    EXPECT_EQ(dc.GetPixel(0, 0), background);
}

TEST_F(GdiTest, DisabledStateTextIsEmbossedGrey)
{
    CBitmap big;
    CDC text;
    text.CreateCompatibleDC(nullptr);
    big.CreateCompatibleBitmap(&text, 60, 20);
    CBitmap* previous = text.SelectObject(&big);
    text.FillSolidRect(0, 0, 60, 20, RGB(200, 200, 200));
    text.DrawState(CPoint(2, 2), CSize(0, 0), "&Exit", DSS_DISABLED, TRUE);
    bool highlight = false, shadow = false, black = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const COLORREF c = text.GetPixel(x, y);
            highlight |= c == RGB(255, 255, 255);
            shadow |= c == GetSysColor(COLOR_3DSHADOW);
            black |= c == RGB(0, 0, 0);
        }
    EXPECT_TRUE(highlight);
    EXPECT_TRUE(shadow);
    EXPECT_FALSE(black);
    text.SelectObject(previous);
}

TEST_F(GdiTest, ObjectsSelectedIntoAContextAreNotDeleted)
{
    CGdiObject* previous = nullptr;
    {
        CPen pen(PS_SOLID, 1, RGB(1, 1, 1));
        previous = dc.SelectObject(&pen);
        EXPECT_FALSE(pen.DeleteObject());
    }
    // The pen outlived its C++ object: the context still draws with it.
    dc.MoveTo(0, 5);
    dc.LineTo(3, 5);
    EXPECT_EQ(Row(5, RGB(1, 1, 1)), "###.................");
    dc.SelectObject(static_cast<CPen*>(previous));
    // Stock objects are never deleted.
    CBrush stock;
    stock.Attach(GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(stock.DeleteObject());
}

TEST(GdiPictures, IconsLoadInTheRegisteredSizeNearestTheRequest)
{
    AfxInitToolkit(0, nullptr);
    constexpr UINT kIcon = 9301;
    for (const int size : {16, 32, 48}) {
        const std::vector<uint32_t> pixels(static_cast<size_t>(size) * size, 0xFF00FF00u);
        RegisterIconResource(kIcon, size, size, pixels.data());
    }
    struct Case {
        const char* name;
        int cx;
        int expected;
    };
    const Case cases[] = {{"#9301", 0, 32}, {"#9301", 16, 16}, {"#9301", 40, 40}, {MAKEINTRESOURCE(kIcon), 48, 48}};
    for (const Case& c : cases) {
        auto icon = static_cast<HICON>(LoadImageA(nullptr, c.name, IMAGE_ICON, c.cx, c.cx, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr);
        SIZE size;
        GetIconSize(icon, &size);
        EXPECT_EQ(size.cx, c.expected) << c.cx;
        DestroyIcon(icon);
    }
    EXPECT_EQ(LoadImageA(nullptr, "#9399", IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR), nullptr);
    // All sizes make the windows' icon.
    EXPECT_EQ(ProgramIcon(kIcon).availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48)}));
    EXPECT_TRUE(ProgramIcon(9399).isNull());
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9399));
}

}  // namespace
