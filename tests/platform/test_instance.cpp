#include "platform/instance.h"

#include "platform/places_fixture.h"

#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class Instance : public PlacesFixture {
protected:
    // A name no other test uses.
    std::string Name(const char* stem) { return std::string(stem) + " " + std::to_string(++serial_); }

    // Starts a process that takes the lock `name` and holds it until Release.
    void HoldInChild(const std::string& name)
    {
        int ready[2], release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        child_ = fork();
        ASSERT_GE(child_, 0);
        if (child_ == 0) {
            close(ready[0]);
            close(release[1]);
            const HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
            const char ok = h && GetLastError() == 0 ? 'y' : 'n';
            (void)!write(ready[1], &ok, 1);
            char c;
            (void)!read(release[0], &c, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        releaseFd_ = release[1];
        char ok = 0;
        ASSERT_EQ(read(ready[0], &ok, 1), 1);
        close(ready[0]);
        ASSERT_EQ(ok, 'y');
    }

    void Release()
    {
        close(releaseFd_);
        int status = 0;
        ASSERT_EQ(waitpid(child_, &status, 0), child_);
    }

    // The open descriptor of this process that refers to path, or -1.
    static int OpenDescriptorOf(const std::string& path)
    {
        DIR* dir = opendir("/proc/self/fd");
        int found = -1;
        while (dirent* entry = readdir(dir)) {
            char target[PATH_MAX] = {};
            const std::string link = std::string("/proc/self/fd/") + entry->d_name;
            if (readlink(link.c_str(), target, sizeof target - 1) > 0 && path == target)
                found = std::atoi(entry->d_name);
        }
        closedir(dir);
        return found;
    }

    pid_t child_ = -1;
    int releaseFd_ = -1;
    static inline int serial_ = 0;
};

TEST_F(Instance, LockHeldByAnotherProcessUntilItEnds)
{
    const std::string name = Name("Quenmarl test");
    HoldInChild(name);
    SetLastError(0);
    EXPECT_NE(CreateMutexA(nullptr, FALSE, name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);

    Release();
    EXPECT_NE(CreateMutexA(nullptr, FALSE, name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    // Now this process holds it: asking again finds it taken.
    EXPECT_NE(CreateMutexA(nullptr, FALSE, name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST_F(Instance, LockFileInRuntimeFolderNotInheritedAcrossExec)
{
    const std::string name = Name("Local\\Quenmarl/one");
    ASSERT_NE(CreateMutexA(nullptr, FALSE, name.c_str()), nullptr);
    // The separators are escaped, not taken as folders.
    const std::string file = root + "/run/parvolune/Local%5CQuenmarl%2Fone%20" + name.substr(name.rfind(' ') + 1) + ".lock";
    const int fd = OpenDescriptorOf(file);
    ASSERT_GE(fd, 0) << file;
    EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
}

TEST_F(Instance, NamesThatLookAlikeAreDifferentLocks)
{
    const std::string base = Name("lock");
    for (const std::string& name : {base + "/x", base + "_x", base + "%2Fx", base + "\\x"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(CreateMutexA(nullptr, FALSE, name.c_str()), nullptr);
        EXPECT_EQ(GetLastError(), 0u);
    }
}

TEST_F(Instance, LongNamesFitAFileName)
{
    const std::string a = Name("") + std::string(1000, 'a');
    const std::string b = a + "b";
    for (const std::string& name : {a, b}) {
        EXPECT_NE(CreateMutexA(nullptr, FALSE, name.c_str()), nullptr);
        EXPECT_EQ(GetLastError(), 0u);
    }
    EXPECT_NE(CreateMutexA(nullptr, FALSE, a.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST_F(Instance, UnnamedMutexNeverExists)
{
    for (const char* name : {static_cast<const char*>(nullptr), ""}) {
        for (int i = 0; i < 2; ++i) {
            SetLastError(ERROR_ALREADY_EXISTS);
            EXPECT_NE(CreateMutexA(nullptr, FALSE, name), nullptr);
            EXPECT_EQ(GetLastError(), 0u);
        }
    }
}

TEST_F(Instance, NoRuntimeFolderIsAnError)
{
    unsetenv("XDG_RUNTIME_DIR");
    SetEnv("XDG_CONFIG_HOME", Blocked());
    SetEnv("TMPDIR", Blocked());
    EXPECT_EQ(CreateMutexA(nullptr, FALSE, Name("nowhere").c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

// No $HOME, no XDG variables, no password entry: a second copy still finds
// the first one's lock.
TEST_F(Instance, WithoutAnyHomeTheLockStillHolds)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs a user id without a password entry: runs as root";
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
        unsetenv(name);
    const std::string name = Name("homeless");
    const int result = AsUnprivilegedUser([&] {
        if (!CreateMutexA(nullptr, TRUE, name.c_str()) || GetLastError() != 0)
            return 1;
        const pid_t second = fork();
        if (second == 0)
            _exit(CreateMutexA(nullptr, TRUE, name.c_str()) && GetLastError() == ERROR_ALREADY_EXISTS ? 0 : 2);
        int status = 0;
        waitpid(second, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
    });
    EXPECT_EQ(result, 0);
}

TEST_F(Instance, LastErrorBelongsToItsThread)
{
    SetLastError(ERROR_ALREADY_EXISTS);
    DWORD seen = 1;
    std::thread([&] {
        seen = GetLastError();
        SetLastError(7);
    }).join();
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
}

}  // namespace
