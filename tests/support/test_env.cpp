// The environment every test process starts with, unless the caller set it.
#include <cstdlib>

namespace {

const bool g_environmentSet = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("INI_ORACLE_DIR_DEFAULT", PV_TEST_DATA_DIR "/ini-oracle", 0);
    setenv("PV_TEST_DATA", PV_TEST_DATA_DIR, 0);
#ifdef PV_TEST_OFFSCREEN
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    return true;
}();

}  // namespace
