// Caps Lock through real X key events: the tuning letters follow the X
// server's lock state, also when it was set where the game did not see it.
#include "gl/tank_window.h"
#include "platform/native.h"

#include <cstdlib>
#include <string>

namespace {

class CapsLockX11 : public TankWindowTest {
protected:
    // Real key events from the X server (XTEST), then their messages.
    static void XKeys(const std::string& keys)
    {
        ASSERT_EQ(std::system(("xdotool key " + keys).c_str()), 0) << keys;
        AfxPumpMessages(150);
    }
    // Caps Lock off on the display, as the other tests expect it; the key
    // state follows the server's after every key press.
    void CapsLockOff()
    {
        XKeys("f");
        if (GetKeyState(VK_CAPITAL) & 1)
            XKeys("Caps_Lock");
    }
    void TearDown() override
    {
        if (m_frame)
            CapsLockOff();
        TankWindowTest::TearDown();
    }
};

TEST_F(CapsLockX11, TuningLettersFollowTheServersCapsLock)
{
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xdotool is not installed";
    OpenTank({{23, 1}}, {});
    CapsLockOff();
    ASSERT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);

    struct Case {
        const char* name;
        const char* keys;
        float units;  // change of g_fPolygonOffsetUnits
    };
    const Case cases[] = {
        {"caps off: f", "f", -0.1f},
        {"caps on: F", "Caps_Lock f", +0.1f},
        {"caps on, shift: f", "shift+f", -0.1f},
        {"caps off again: f", "Caps_Lock f", -0.1f},
        {"caps off, shift: F", "shift+f", +0.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const float units = g_fPolygonOffsetUnits;
        XKeys(c.keys);
        EXPECT_NEAR(g_fPolygonOffsetUnits - units, c.units, 1e-5f);
    }

    // Caps Lock turned on unseen (the table says off): the next key takes the
    // server's state.
    XKeys("Caps_Lock");
    UpdateKeyState(MSG{nullptr, WM_KEYDOWN, VK_CAPITAL, 0});
    UpdateKeyState(MSG{nullptr, WM_KEYUP, VK_CAPITAL, 0});
    ASSERT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
    const float units = g_fPolygonOffsetUnits;
    XKeys("f");
    EXPECT_NEAR(g_fPolygonOffsetUnits - units, +0.1f, 1e-5f);
}

}  // namespace
