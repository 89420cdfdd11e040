// A private folder for the files a test writes, in the build tree beside the
// test program (never in the shared /tmp), removed with everything in it.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

class ScratchDir {
public:
    ScratchDir()
    {
        std::error_code ec;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        const std::filesystem::path base = (ec ? std::filesystem::current_path() : exe.parent_path()) / "scratch";
        std::filesystem::create_directories(base, ec);
        std::string pattern = (base / "run-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes `bytes` to the file `name` and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = File(name);
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    std::filesystem::path path_;
};
