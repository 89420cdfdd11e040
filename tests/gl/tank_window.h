// The game window on the real X display, with frames drawn one at a time by
// the test (the frame timer is stopped) and read back from the screen. The
// settings and temporary folders live in the test's scratch folder.
#pragma once
#include "app/main_frame.h"
#include "app/resource.h"
#include "gl/tank_camera.h"
#include "platform/crt.h"
#include "platform/msgbox.h"
#include "platform/winapp.h"
#include "support/scratch.h"
#include "support/settings_file.h"

#include <GL/glew.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

class TankWindowTest : public ::testing::Test {
protected:
    using Counts = std::initializer_list<std::pair<int, int>>;

    // Opens the tank with these fish and plant counts and, when given, these
    // lines ("KEY=value\r\n" each) of the section "Aquarium Settings", and
    // further whole sections.
    void OpenTank(Counts fish, Counts plants, const std::string& aquarium = "", const std::string& sections = "")
    {
        m_root = MakeScratchFolder("tank");
        ASSERT_FALSE(m_root.empty());
        setenv("XDG_CONFIG_HOME", (m_root + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", m_root.c_str(), 1);
        ASSERT_TRUE(WriteCountsFile(m_root + "/config", fish, plants));
        if (!aquarium.empty()) {
            std::ofstream ini(m_root + "/config/parvolune/Quenmarl.ini", std::ios::binary | std::ios::app);
            ini << "[Aquarium Settings]\r\n" << aquarium;
            ASSERT_TRUE(ini.good());
        }
        if (!sections.empty()) {
            std::ofstream ini(m_root + "/config/parvolune/Quenmarl.ini", std::ios::binary | std::ios::app);
            ini << sections;
            ASSERT_TRUE(ini.good());
        }
        ASSERT_TRUE(AfxInitToolkit(0, nullptr));
        // The game's random sequence from its start, whatever ran before.
        crt::srand(1);
        SetMessageBoxHook([](const char*, const char*, UINT) { return IDOK; });
        m_frame = new CMainFrame;
        ASSERT_TRUE(m_frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        // Frames come only from the test: how many the game's own timer would
        // draw while the window shows depends on the machine's load.
        View().KillTimer(1);
        m_frame->ShowWindow(SW_SHOWMAXIMIZED);
        AfxPumpMessages(100);
        View().m_bShowHud = 0;
    }
    void TearDown() override { CloseTank(); }
    // Closes the tank and removes its folders; another may be opened then.
    void CloseTank()
    {
        if (m_frame) {
            m_frame->DestroyWindow();
            delete m_frame;
            m_frame = nullptr;
        }
        SetMessageBoxHook(nullptr);
        if (!m_root.empty())
            std::filesystem::remove_all(m_root);
        m_root.clear();
    }
    CTankView& View() { return m_frame->m_wndView; }

    // Draws frames (each uses the shadow map of the one before) and grabs the
    // last one from the screen.
    QImage DrawFrames(int frames)
    {
        for (int i = 0; i < frames; ++i)
            View().RenderFrame();
        AfxPumpMessages(1);
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    }
    QPoint Project(float x, float y, float z)
    {
        const WindowPoint w = ProjectToWindow(View(), x, y, z);
        return QPoint(w.x, w.y);
    }

    CMainFrame* m_frame = nullptr;
    std::string m_root;
};
