// A process's temporary folder is named by its process, and the folders of
// processes that are gone go when a new one is made.
#include "support/ended_process.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(ProcessTempFolder, NamedByTheProcessAndTheFoldersOfEndedProcessesGo)
{
    ScratchFolder base("tmpdir");
    ASSERT_FALSE(base.path.empty());
    namespace fs = std::filesystem;
    const std::string ended = base.path + "/pv-x-" + std::to_string(EndedProcess()) + "-AbCdEf";
    const std::string living = base.path + "/pv-x-" + std::to_string(getppid()) + "-AbCdEf";
    const std::string other = base.path + "/pv-x-notanid";
    const std::string otherPrefix = base.path + "/pv-y-" + std::to_string(EndedProcess()) + "-AbCdEf";
    for (const std::string& d : {ended, living, other, otherPrefix})
        ASSERT_TRUE(fs::create_directory(d)) << d;
    fs::create_directory(ended + "/inside");

    const char* saved = std::getenv("TMPDIR");
    const std::string restore = saved ? saved : "";
    setenv("TMPDIR", base.path.c_str(), 1);
    const std::string made = MakeProcessTempFolder("pv-x");
    if (saved)
        setenv("TMPDIR", restore.c_str(), 1);
    else
        unsetenv("TMPDIR");

    ASSERT_FALSE(made.empty());
    EXPECT_EQ(fs::path(made).parent_path(), fs::path(base.path));
    EXPECT_EQ(fs::path(made).filename().string().rfind("pv-x-" + std::to_string(getpid()) + "-", 0), 0u) << made;
    EXPECT_TRUE(fs::is_directory(made));
    EXPECT_FALSE(fs::exists(ended));
    EXPECT_TRUE(fs::exists(living));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::exists(otherPrefix));
}

}  // namespace
