// Cursor pictures by id and the cursor of the window under the mouse (offscreen).
#include "platform/cursor_internal.h"
#include "platform/native.h"
#include "platform/winapp.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A 32 x 32 picture of one colour.
std::vector<uint32_t> Plain(uint32_t argb) { return std::vector<uint32_t>(32 * 32, argb); }

class CursorRegistry : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
};

TEST_F(CursorRegistry, LoadsRegisteredPicturesAndNullForOthers)
{
    EXPECT_EQ(LoadCursorResource(170), nullptr);
    EXPECT_EQ(LoadCursorResource(176), nullptr);

    const auto red = Plain(0xFFFF0000);
    RegisterCursorResource(9001, 32, 32, 5, 7, red.data());
    const HCURSOR cursor = LoadCursorResource(9001);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(LoadCursorResource(9001), cursor);  // a shared handle
    const QCursor q = ToolkitCursor(cursor);
    EXPECT_EQ(q.hotSpot(), QPoint(5, 7));
    EXPECT_EQ(q.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(q.pixmap().toImage().pixel(3, 3), 0xFFFF0000u);

    // Replacing the picture keeps the handle and shows the new one.
    const auto blue = Plain(0x800000FF);
    RegisterCursorResource(9001, 32, 32, 0, 0, blue.data());
    EXPECT_EQ(LoadCursorResource(9001), cursor);
    EXPECT_EQ(ToolkitCursor(cursor).hotSpot(), QPoint(0, 0));
    EXPECT_EQ(qAlpha(ToolkitCursor(cursor).pixmap().toImage().pixel(3, 3)), 0x80);

    // Empty pictures are refused.
    RegisterCursorResource(9002, 0, 32, 0, 0, red.data());
    RegisterCursorResource(9003, 32, 32, 0, 0, nullptr);
    EXPECT_EQ(LoadCursorResource(9002), nullptr);
    EXPECT_EQ(LoadCursorResource(9003), nullptr);
}

TEST_F(CursorRegistry, NullIsBlankAndTheArrowIsTheSystemArrow)
{
    EXPECT_EQ(ToolkitCursor(nullptr).shape(), Qt::BlankCursor);
    ASSERT_NE(LoadArrowCursor(), nullptr);
    EXPECT_EQ(LoadArrowCursor(), LoadArrowCursor());
    EXPECT_EQ(ToolkitCursor(LoadArrowCursor()).shape(), Qt::ArrowCursor);
}

class SetCursorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "frame", WS_OVERLAPPED, CRect(0, 0, 200, 100), nullptr, 1));
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &frame,
                                AFX_IDW_PANE_FIRST));
        frame.ShowWindow(SW_SHOW);
        QCoreApplication::processEvents();
        const auto picture = Plain(0xFF00FF00);
        RegisterCursorResource(9100, 32, 32, 16, 16, picture.data());
    }
    void TearDown() override { SetCursor(nullptr); }
    // The mouse over the view, or far from every window.
    void PointerOverView() { QCursor::setPos(view.m_hWnd->window->mapToGlobal(QPoint(50, 50))); }
    Qt::CursorShape ViewShape() const { return view.m_hWnd->window->cursor().shape(); }

    CWnd frame;
    CWnd view;
};

TEST_F(SetCursorTest, TheWindowUnderTheMouseShowsTheCursor)
{
    PointerOverView();
    if (QGuiApplication::topLevelAt(QCursor::pos()) != frame.m_hWnd->window)
        GTEST_SKIP() << "the platform does not report the window under the pointer";

    SetCursor(LoadCursorResource(9100));
    EXPECT_EQ(ViewShape(), Qt::BitmapCursor);
    EXPECT_EQ(view.m_hWnd->window->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(frame.m_hWnd->window->cursor().shape(), Qt::ArrowCursor);  // only the window under the mouse

    EXPECT_EQ(SetCursor(nullptr), LoadCursorResource(9100));  // returns the cursor before
    EXPECT_EQ(ViewShape(), Qt::BlankCursor);
    EXPECT_EQ(GetCursor(), nullptr);

    SetCursor(LoadArrowCursor());
    EXPECT_EQ(ViewShape(), Qt::ArrowCursor);
    EXPECT_EQ(GetCursor(), LoadArrowCursor());
}

TEST_F(SetCursorTest, AwayFromOurWindowsNothingChanges)
{
    QCursor::setPos(frame.m_hWnd->window->mapToGlobal(QPoint(5000, 5000)));
    SetCursor(nullptr);
    EXPECT_EQ(ViewShape(), Qt::ArrowCursor);
    EXPECT_EQ(GetCursor(), nullptr);
}

}  // namespace
