// Shared pieces of the dialog tests: the toolkit, the user's places in a
// scratch folder (dialogs read and write the settings file), running a
// dialog with an action inside its loop, grabbing pictures.
#pragma once
#include "gfx/load_report.h"
#include "platform/places_fixture.h"
#include "support/run_modal.h"
#include "platform/dialog.h"
#include "platform/native.h"
#include "platform/profile.h"
#include "platform/winapp.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <gtest/gtest.h>
#include <string>

class UiTest : public PlacesFixture {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
    void SetUp() override
    {
        PlacesFixture::SetUp();
        // The pointer starts in the screen's far corner, away from where
        // dialogs open: a move to where it already is tells no widget anything.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            QCursor::setPos(screen->geometry().bottomRight());
        AfxPumpMessages(0);
    }
    void TearDown() override
    {
        // A button left held turns the next test's pointer moves into drags.
        EXPECT_EQ(int(QTestPrivate::qtestMouseButtons), int(Qt::NoButton)) << "a mouse button is left held";
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        AfxPumpMessages(0);
        // What a test's lists could not use is not told in the next test.
        load_report::Take();
        PlacesFixture::TearDown();
    }

    // The settings file the dialogs use while the test runs.
    std::string IniPath() const { return root + "/config/parvolune/Quenmarl.ini"; }
    void WriteIni(const std::string& bytes) const
    {
        std::filesystem::create_directories(root + "/config/parvolune");
        std::ofstream(IniPath(), std::ios::binary) << bytes;
    }
    std::string IniText(const char* section, const char* key) const
    {
        char text[256] = {};
        GetPrivateProfileStringA(section, key, "<missing>", text, sizeof text, IniPath().c_str());
        return text;
    }
    std::string IniBytes() const
    {
        std::ifstream in(IniPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

inline QWidget* WidgetOf(CWnd* wnd) { return wnd && wnd->m_hWnd ? wnd->m_hWnd->widget : nullptr; }

// Tests on a modeless dialog of the tests' own (template Dialog::IDD), shown
// afresh for each test.
template <class Dialog>
class ShownDialogTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(dlg.Create(Dialog::IDD));
        dlg.ShowWindow(SW_SHOW);
        AfxPumpMessages(30);
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        UiTest::TearDown();
    }
    // A control's picture once pending paints are done.
    static QImage Grab(CWnd& control)
    {
        AfxPumpMessages(20);
        return WidgetOf(&control)->grab().toImage();
    }

    Dialog dlg;
};

// The widget that gets the keys of a shown dialog.
inline QWidget* KeyTarget(CWnd& dlg)
{
    QWidget* frame = WidgetOf(&dlg);
    return frame->focusWidget() ? frame->focusWidget() : frame;
}

// Saves a picture for a person to look at when PV_SCREENSHOT_DIR is set.
inline void SaveScreenshot(const QImage& image, const std::string& name)
{
    if (const char* dir = std::getenv("PV_SCREENSHOT_DIR"))
        image.save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}
