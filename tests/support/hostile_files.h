// Files of a player's list that are no plain file or that no reader should
// read whole: a FIFO (opening it waits for a writer), links to endless
// devices, a folder, a dangling link, a file above the size cap (sparse: it
// costs no disk). Each comes with the words its refusal must hold.
#pragma once
#include "support/scratch_dir.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

struct HostileFile {
    const char* name;
    std::string path;
    std::string why;
};

// The files, named with `extension` (".jpg", ".mp3", ...), made in `dir`;
// the one above the cap holds `head` and then zeros up to one byte past it.
inline std::vector<HostileFile> MakeHostileFiles(const ScratchDir& dir, const std::string& extension,
                                                 uint64_t capBytes, const std::string& head)
{
    namespace fs = std::filesystem;
    const auto file = [&](const char* stem) { return dir.File(stem + extension); };
    mkfifo(file("fifo").c_str(), 0600);
    fs::create_symlink("/dev/zero", file("zero"));
    fs::create_symlink("/dev/urandom", file("random"));
    fs::create_directories(file("folder"));
    fs::create_symlink(file("gone"), file("dangling"));
    const std::string large = dir.Write("large" + extension, head);
    fs::resize_file(large, capBytes + 1);
    return {
        {"FIFO", file("fifo"), "not a regular file (a FIFO)"},
        {"link to /dev/zero", file("zero"), "not a regular file (a character device)"},
        {"link to /dev/urandom", file("random"), "not a regular file (a character device)"},
        {"folder", file("folder"), "not a regular file (a folder)"},
        {"dangling link", file("dangling"), "does not exist"},
        {"above the size cap", large, "larger than " + std::to_string(capBytes >> 20) + " MiB"},
    };
}
