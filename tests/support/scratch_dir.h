// A private folder for the files a test writes (scratch.h: inside the test
// process's own folder), removed with everything in it, with helpers to
// name and write files in it.
#pragma once
#include "support/scratch.h"

#include <filesystem>
#include <fstream>
#include <string>

class ScratchDir {
public:
    ScratchDir() : folder_("run"), path_(folder_.path) {}
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
    ScratchFolder folder_;
    std::filesystem::path path_;
};
