// Folders for tests and tools, removed when the test or the process is done
// with them: nothing a test makes is left in the temporary folder, not even
// by a process that was killed.
#pragma once
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// A new private folder <$TMPDIR or /tmp>/<prefix>-<pid>-XXXXXX for this
// process. Folders <prefix>-<pid>-* of processes that are gone (killed before
// they could remove theirs) are removed first. Empty when it cannot be made.
inline std::string MakeProcessTempFolder(const char* prefix)
{
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp == '/' ? tmp : "/tmp";
    const std::string stem = std::string(prefix) + "-";
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(base, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, stem.size(), stem) != 0)
            continue;
        char* end = nullptr;
        const long pid = std::strtol(name.c_str() + stem.size(), &end, 10);
        struct stat st {};
        if (pid <= 0 || *end != '-' || lstat(entry.path().c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
            st.st_uid != geteuid())
            continue;
        if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            std::filesystem::remove_all(entry.path(), ignored);
    }
    std::string pattern = base + "/" + stem + std::to_string(getpid()) + "-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

namespace scratch_detail {

inline std::string& Folder()
{
    static std::string folder;
    return folder;
}

inline pid_t& Owner()
{
    static pid_t owner = 0;
    return owner;
}

// At exit of the process that made it; a forked child that exits leaves it.
inline void RemoveFolder()
{
    if (getpid() != Owner())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
}

}  // namespace scratch_detail

// The folder of this test process under $TMPDIR (or /tmp), made on the first
// call (the test environment makes it before any test runs) and removed with
// everything in it when the process ends. Processes the test starts (death
// tests run the test program again and end without cleaning up) use the
// folder of the process that started them. Empty when it cannot be made.
inline const std::string& ProcessScratchFolder()
{
    std::string& folder = scratch_detail::Folder();
    const char* inherited = std::getenv("PV_TEST_SCRATCH");
    struct stat st {};
    if (folder.empty() && inherited && *inherited == '/' && stat(inherited, &st) == 0 && S_ISDIR(st.st_mode))
        folder = inherited;
    if (folder.empty()) {
        const std::string made = MakeProcessTempFolder("pv-test");
        if (!made.empty()) {
            folder = made;
            scratch_detail::Owner() = getpid();
            std::atexit(scratch_detail::RemoveFolder);
            setenv("PV_TEST_SCRATCH", folder.c_str(), 1);
        }
    }
    return folder;
}

// A new private folder (mode 0700) inside the process's folder, named after
// stem; it goes when the process ends. Empty when it cannot be made.
inline std::string MakeScratchFolder(const char* stem)
{
    std::string pattern = ProcessScratchFolder() + "/" + stem + "-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

// A private folder for one test, removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* stem = "scratch") : path(MakeScratchFolder(stem)) {}
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path;
};
