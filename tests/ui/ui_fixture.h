// Shared pieces of the dialog tests: the toolkit, running a dialog with an
// action inside its loop, grabbing pictures.
#pragma once
#include "platform/dialog.h"
#include "platform/native.h"
#include "platform/winapp.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>

class UiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AfxInitToolkit(0, nullptr); }
    void TearDown() override { AfxPumpMessages(0); }
};

inline QWidget* WidgetOf(CWnd* wnd) { return wnd && wnd->m_hWnd ? wnd->m_hWnd->widget : nullptr; }

// Runs `dlg` modally and, once its loop runs, `action` on it; a dialog still
// open after 3 s ends with -2.
template <class Dialog>
int RunModal(Dialog& dlg, const std::function<void(Dialog&)>& action)
{
    // The timers die with this call: none fires on a dialog gone.
    QTimer act, giveUp;
    act.setSingleShot(true);
    giveUp.setSingleShot(true);
    QObject::connect(&act, &QTimer::timeout, [&] {
        if (dlg.m_hWnd)
            action(dlg);
    });
    QObject::connect(&giveUp, &QTimer::timeout, [&] {
        if (dlg.m_hWnd)
            dlg.EndDialog(-2);
    });
    act.start(30);
    giveUp.start(3000);
    return dlg.DoModal();
}

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
