// A private scratch folder for tests that touch the user's places: the
// environment variables naming them point inside it while a test runs and are
// restored afterwards.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

class PlacesFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        char pattern[] = "/tmp/pv-places-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
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

    std::string root;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};
