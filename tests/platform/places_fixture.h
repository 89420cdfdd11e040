// A private scratch folder for tests that touch the user's places: the
// environment variables naming them point inside it while a test runs and are
// restored afterwards.
#pragma once
#include "support/scratch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

class PlacesFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        root = MakeScratchFolder("places");
        ASSERT_FALSE(root.empty());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR", "HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        MakeDir(root + "/run", 0700);
        MakeDir(root + "/tmp", 0700);
        SetEnv("XDG_CONFIG_HOME", root + "/config");
        SetEnv("XDG_RUNTIME_DIR", root + "/run");
        SetEnv("TMPDIR", root + "/tmp");
        SetEnv("HOME", root + "/home");
    }

    void TearDown() override
    {
        for (const auto& [name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        saved.clear();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    static void SetEnv(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }

    static void MakeDir(const std::string& path, mode_t mode)
    {
        ASSERT_EQ(mkdir(path.c_str(), mode), 0) << path;
        ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
    }

    // A regular file: nothing can be made below it, whoever runs the tests.
    std::string Blocked()
    {
        const std::string file = root + "/plain-file";
        std::ofstream(file) << "x";
        return file + "/below";
    }

    static mode_t Mode(const std::string& path)
    {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    static bool IsDir(const std::string& path)
    {
        struct stat st {};
        return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    // Runs body in a child process (for state kept once per process) and
    // returns its exit code, or -1.
    static int InChild(const std::function<int()>& body)
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(body());
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

    // Runs body in a child process as a user without privileges, so that
    // permission bits bind: as root, a user id that has no password entry,
    // with the scratch tree made its own; else the user running the tests.
    // Returns body's result (the child's exit code), or -1.
    int AsUnprivilegedUser(const std::function<int()>& body)
    {
        const pid_t child = fork();
        if (child < 0)
            return -1;
        if (child == 0) {
            if (geteuid() == 0) {
                const uid_t id = UserWithoutPasswordEntry();
                // The tree lies in a folder of the test process: others may pass through it.
                chmod(std::filesystem::path(root).parent_path().c_str(), 0711);
                std::error_code ignored;
                for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored))
                    lchown(entry.path().c_str(), id, id);
                lchown(root.c_str(), id, id);
                if (setgroups(0, nullptr) != 0 || setresgid(id, id, id) != 0 || setresuid(id, id, id) != 0)
                    _exit(126);
            }
            _exit(body());
        }
        int status = 0;
        if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

    // A user id from 54321 up that no password entry names.
    static uid_t UserWithoutPasswordEntry()
    {
        uid_t id = 54321;
        while (getpwuid(id))
            ++id;
        return id;
    }

    std::string root;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};
