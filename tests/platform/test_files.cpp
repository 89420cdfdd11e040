#include "platform/files.h"

#include "platform/places_fixture.h"
#include "support/ended_process.h"

#include <cstring>
#include <functional>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class Places : public PlacesFixture {
protected:
    // GetTempPathA as a string; empty when it fails.
    static std::string TempPath()
    {
        char buffer[4096];
        const DWORD length = GetTempPathA(sizeof buffer, buffer);
        if (length == 0 || length >= sizeof buffer)
            return "";
        EXPECT_EQ(std::strlen(buffer), length);
        return buffer;
    }

    // A folder made with mkdtemp under base: private and ours.
    static void ExpectMadeUnder(const std::string& path, const std::string& base)
    {
        ASSERT_EQ(path.rfind(base + "/parvolune-", 0), 0u) << path;
        EXPECT_EQ(path.back(), '/');
        EXPECT_TRUE(IsDir(path));
        EXPECT_EQ(Mode(path), 0700u);
    }
};

TEST_F(Places, SettingsFolderFollowsXdgConfigHomeAndIsMadePrivate)
{
    const std::string folder = GetSettingsFolder();
    EXPECT_EQ(folder, root + "/config/parvolune/");
    EXPECT_EQ(Mode(root + "/config"), 0700u);
    EXPECT_EQ(Mode(root + "/config/parvolune"), 0700u);
    EXPECT_EQ(GetAppProfilePath(), folder + "parvolune-profile.ini");
    // Asking again finds the same folder.
    EXPECT_EQ(GetSettingsFolder(), folder);
}

TEST_F(Places, SettingsFolderKeepsModeOfExistingFolders)
{
    MakeDir(root + "/config", 0755);
    EXPECT_EQ(GetSettingsFolder(), root + "/config/parvolune/");
    EXPECT_EQ(Mode(root + "/config"), 0755u);
    EXPECT_EQ(Mode(root + "/config/parvolune"), 0700u);
}

TEST_F(Places, SettingsFolderDefaultsToHomeConfig)
{
    for (const char* xdg : {"", "relative/config"}) {
        SCOPED_TRACE(xdg);
        SetEnv("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(GetSettingsFolder(), root + "/home/.config/parvolune/");
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(GetSettingsFolder(), root + "/home/.config/parvolune/");
    EXPECT_EQ(Mode(root + "/home/.config/parvolune"), 0700u);
}

TEST_F(Places, NoSettingsFolderWhenItCannotBeMade)
{
    SetEnv("XDG_CONFIG_HOME", Blocked());
    EXPECT_EQ(GetSettingsFolder(), "");
    // The application profile then goes where the settings file goes.
    EXPECT_EQ(GetAppProfilePath(), root + "/run/parvolune-tmp/parvolune-profile.ini");
    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("TMPDIR", Blocked());
    EXPECT_EQ(GetAppProfilePath(), "");
}

TEST_F(Places, ReadOnlySettingsFolderIsStillTheSettingsFolder)
{
    MakeDir(root + "/config", 0700);
    MakeDir(root + "/config/parvolune", 0700);
    std::ofstream(root + "/config/parvolune/Quenmarl.ini") << "[S]\r\nk=1\r\n";
    ASSERT_EQ(chmod((root + "/config/parvolune").c_str(), 0500), 0);
    unsetenv("XDG_RUNTIME_DIR");
    const int result = AsUnprivilegedUser([this] {
        if (GetSettingsFolder() != root + "/config/parvolune/")
            return 1;
        // The locks cannot go beside it: they go to the user's own temporary folder.
        if (GetRuntimeFolder() != root + "/tmp/parvolune-" + std::to_string(geteuid()) + "/run/")
            return 2;
        return 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(IsDir(root + "/config/parvolune/run"));
}

// No $HOME, no XDG variables and no password entry: the settings, the profile
// and the locks all find one place of the user's own, the same on every run.
TEST_F(Places, WithoutAnyHomeOnePrivateFolderOfTheUserServes)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs a user id without a password entry: runs as root";
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
        unsetenv(name);
    const int result = AsUnprivilegedUser([this] {
        const std::string folder = root + "/tmp/parvolune-" + std::to_string(geteuid()) + "/";
        if (!GetSettingsFolder().empty())
            return 1;
        if (GetFallbackFolder() != folder || Mode(folder) != 0700)
            return 2;
        if (GetRuntimeFolder() != folder + "run/" || GetAppProfilePath() != folder + "parvolune-profile.ini")
            return 3;
        if (GetFallbackFolder() != folder)
            return 4;
        return 0;
    });
    EXPECT_EQ(result, 0);
}

TEST_F(Places, UserTemporaryFolderIsRefusedUnlessOursAndPrivate)
{
    struct Case {
        const char* name;
        std::function<void(Places&, const std::string&)> arrange;
        mode_t mode;  // what the folder is left with (0: not a folder)
    };
    const Case cases[] = {
        {"open to others", [](Places&, const std::string& f) { MakeDir(f, 0755); }, 0755},
        {"group may enter", [](Places&, const std::string& f) { MakeDir(f, 0710); }, 0710},
        {"a link to a private folder",
         [](Places& t, const std::string& f) {
             MakeDir(t.root + "/mine", 0700);
             ASSERT_EQ(symlink((t.root + "/mine").c_str(), f.c_str()), 0);
         },
         0700},
        {"a file", [](Places&, const std::string& f) { std::ofstream(f) << "x"; }, 0},
        {"another user's",
         [](Places&, const std::string& f) {
             MakeDir(f, 0700);
             ASSERT_EQ(chown(f.c_str(), 65534, 65534), 0);
         },
         0700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (geteuid() != 0 && std::strcmp(c.name, "another user's") == 0)
            continue;
        unsetenv("XDG_RUNTIME_DIR");
        SetEnv("XDG_CONFIG_HOME", Blocked());
        const std::string folder = root + "/tmp/parvolune-" + std::to_string(geteuid());
        c.arrange(*this, folder);
        EXPECT_EQ(GetFallbackFolder(), "");
        EXPECT_EQ(GetRuntimeFolder(), "");
        EXPECT_EQ(GetAppProfilePath(), "");
        if (c.mode != 0) {
            EXPECT_EQ(Mode(folder), c.mode);
        }
    }
}

TEST_F(Places, TempPathIsPrivateFolderInRuntimeDir)
{
    const std::string path = TempPath();
    EXPECT_EQ(path, root + "/run/parvolune-tmp/");
    EXPECT_EQ(Mode(path), 0700u);
}

TEST_F(Places, TempPathMakesExistingRuntimeSubfolderPrivate)
{
    MakeDir(root + "/run/parvolune-tmp", 0755);
    EXPECT_EQ(TempPath(), root + "/run/parvolune-tmp/");
    EXPECT_EQ(Mode(root + "/run/parvolune-tmp"), 0700u);
}

TEST_F(Places, TempPathAvoidsUnusableRuntimeDir)
{
    struct Case {
        const char* name;
        std::function<void(Places&)> arrange;
    };
    const Case cases[] = {
        {"unset", [](Places&) { unsetenv("XDG_RUNTIME_DIR"); }},
        {"relative", [](Places&) { SetEnv("XDG_RUNTIME_DIR", "run"); }},
        {"readable by others", [](Places& t) { chmod((t.root + "/run").c_str(), 0755); }},
        {"owned by another user",
         [](Places& t) {
             ASSERT_EQ(chown((t.root + "/run").c_str(), 65534, 65534), 0);
         }},
        {"not a folder", [](Places& t) { SetEnv("XDG_RUNTIME_DIR", t.Blocked()); }},
        {"subfolder is a link",
         [](Places& t) {
             MakeDir(t.root + "/elsewhere", 0700);
             ASSERT_EQ(symlink((t.root + "/elsewhere").c_str(), (t.root + "/run/parvolune-tmp").c_str()), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (geteuid() != 0 && std::strcmp(c.name, "owned by another user") == 0)
            continue;
        c.arrange(*this);
        const std::string path = TempPath();
        ExpectMadeUnder(path, root + "/tmp");
        // Made once: the same folder on the next call.
        EXPECT_EQ(TempPath(), path);
    }
}

TEST_F(Places, ProcessTempFolderFollowsTmpdirAndIsRemadeWhenGone)
{
    unsetenv("XDG_RUNTIME_DIR");
    const std::string first = TempPath();
    ExpectMadeUnder(first, root + "/tmp");

    ASSERT_EQ(rmdir(first.c_str()), 0);
    const std::string again = TempPath();
    ExpectMadeUnder(again, root + "/tmp");
    EXPECT_NE(again, first);

    MakeDir(root + "/tmp2", 0700);
    SetEnv("TMPDIR", root + "/tmp2");
    ExpectMadeUnder(TempPath(), root + "/tmp2");
}

// A process's folder is named by its process; the folders that processes
// which no longer run left (empty, or with the files they restored) go when
// a new one is made, and nothing else does.
TEST_F(Places, ProcessTempFolderIsNamedByItsProcessAndThoseOfEndedProcessesGo)
{
    unsetenv("XDG_RUNTIME_DIR");
    const std::string base = root + "/tmp3";
    MakeDir(base, 0700);
    const std::string ended = base + "/parvolune-" + std::to_string(EndedProcess()) + "-AbC123";
    const std::string endedWithFiles = base + "/parvolune-" + std::to_string(EndedProcess()) + "-x9Y8z7";
    struct Kept {
        const char* why;
        std::string path;
    };
    const Kept kept[] = {
        {"of a running process", base + "/parvolune-" + std::to_string(getppid()) + "-AbC123"},
        {"the user's own folder", base + "/parvolune-" + std::to_string(geteuid())},
        {"not a folder of a process", base + "/parvolune-tmp"},
        {"no id in its name", base + "/parvolune-AbC123"},
        {"another program's", base + "/other-" + std::to_string(EndedProcess()) + "-AbC123"},
    };
    MakeDir(ended, 0700);
    MakeDir(endedWithFiles, 0700);
    std::ofstream(endedWithFiles + "/fish23.bmp") << "restored";
    std::ofstream(endedWithFiles + "/music.wav") << "restored";
    for (const Kept& k : kept)
        MakeDir(k.path, 0700);
    const std::string file = base + "/parvolune-" + std::to_string(EndedProcess()) + "-FiLe00";
    std::ofstream(file) << "a file, not a folder";

    SetEnv("TMPDIR", base);
    const std::string made = TempPath();
    ExpectMadeUnder(made, base);
    EXPECT_EQ(made.rfind(base + "/parvolune-" + std::to_string(getpid()) + "-", 0), 0u) << made;
    EXPECT_EQ(made.size(), (base + "/parvolune-" + std::to_string(getpid()) + "-XXXXXX/").size()) << made;
    EXPECT_FALSE(IsDir(ended));
    EXPECT_FALSE(IsDir(endedWithFiles));
    for (const Kept& k : kept)
        EXPECT_TRUE(IsDir(k.path)) << k.why;
    EXPECT_TRUE(std::ifstream(file).good()) << "a file of that name";
}

TEST_F(Places, TempPathFailsWithoutAnyUsableFolder)
{
    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("TMPDIR", Blocked());
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetTempPathA(sizeof buffer, buffer), 0u);
    EXPECT_EQ(buffer[0], '#');
}

TEST_F(Places, TempPathBufferSizes)
{
    const std::string path = root + "/run/parvolune-tmp/";
    const DWORD length = static_cast<DWORD>(path.size());
    std::vector<char> buffer(path.size() + 8, '#');

    EXPECT_EQ(GetTempPathA(0, nullptr), length + 1);
    // One short of room for the NUL: the size needed, nothing copied.
    EXPECT_EQ(GetTempPathA(length, buffer.data()), length + 1);
    EXPECT_EQ(buffer[0], '#');
    // Exactly enough.
    EXPECT_EQ(GetTempPathA(length + 1, buffer.data()), length);
    EXPECT_EQ(std::string(buffer.data()), path);
}

TEST_F(Places, ProcessTempFolderRemovedAtExitWhenEmpty)
{
    unsetenv("XDG_RUNTIME_DIR");
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string path = TempPath();
        (void)!write(fds[1], path.c_str(), path.size());
        std::exit(0);
    }
    close(fds[1]);
    char path[4096] = {};
    (void)!read(fds[0], path, sizeof path - 1);
    close(fds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(std::string(path).rfind(root + "/tmp/parvolune-", 0), 0u) << path;
    EXPECT_FALSE(IsDir(path));
}

TEST_F(Places, RuntimeFolder)
{
    EXPECT_EQ(GetRuntimeFolder(), root + "/run/parvolune/");
    EXPECT_EQ(Mode(root + "/run/parvolune"), 0700u);

    // Without a runtime dir: a place every process agrees on, beside the settings.
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(GetRuntimeFolder(), root + "/config/parvolune/run/");
    EXPECT_EQ(Mode(root + "/config/parvolune/run"), 0700u);

    // Without a settings folder either: the user's own folder in $TMPDIR.
    SetEnv("XDG_CONFIG_HOME", Blocked());
    const mode_t oldMask = umask(0);
    const std::string own = root + "/tmp/parvolune-" + std::to_string(geteuid());
    EXPECT_EQ(GetRuntimeFolder(), own + "/run/");
    umask(oldMask);
    EXPECT_EQ(Mode(own), 0700u);
    EXPECT_EQ(Mode(own + "/run"), 0700u);
    EXPECT_EQ(GetFallbackFolder(), own + "/");

    SetEnv("TMPDIR", Blocked());
    EXPECT_EQ(GetRuntimeFolder(), "");
}

TEST_F(Places, DeleteFile)
{
    const std::string file = root + "/file.txt";
    std::ofstream(file) << "data";
    EXPECT_EQ(DeleteFileA(file.c_str()), TRUE);
    EXPECT_NE(access(file.c_str(), F_OK), 0);

    EXPECT_EQ(DeleteFileA(file.c_str()), FALSE);
    EXPECT_EQ(DeleteFileA((root + "/run").c_str()), FALSE);
    EXPECT_TRUE(IsDir(root + "/run"));
    EXPECT_EQ(DeleteFileA(""), FALSE);
    EXPECT_EQ(DeleteFileA(nullptr), FALSE);
}

}  // namespace
