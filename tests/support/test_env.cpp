// The environment every test process starts with, unless the caller set it.
#include "support/scratch.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

const bool g_environmentSet = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("INI_ORACLE_DIR_DEFAULT", PV_TEST_DATA_DIR "/ini-oracle", 0);
    setenv("PV_TEST_DATA", PV_TEST_DATA_DIR, 0);
#ifdef PV_TEST_OFFSCREEN
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    // Made now, before a test points $TMPDIR elsewhere.
    const std::string& scratch = ProcessScratchFolder();
    // Without one the toolkit makes a runtime folder of its own in /tmp.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if ((!runtime || !*runtime) && !scratch.empty()) {
        const std::string run = scratch + "/run";
        if (mkdir(run.c_str(), 0700) == 0)
            setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
    }
    return true;
}();

}  // namespace
