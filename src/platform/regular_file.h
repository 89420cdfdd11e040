// Opening files the player names (pictures, music, settings): only a
// regular file is opened, a FIFO, a device or a folder is refused with its
// reason, opening never waits (for a FIFO's writer, a terminal), and nothing
// past a size cap is read, also when the file grows while it is read.
#pragma once
#include <cstdint>
#include <string>
#include <sys/stat.h>

enum class FileOpen { Ok, Missing, Failed };

// Opens the file for reading (close-on-exec). On Ok `fd` is the open file
// and `st` (optional) its status; otherwise `fd` is -1 and `problem`
// (optional) says why, as a short phrase ("not a regular file (a FIFO)",
// "larger than 32 MiB", the system's words for other errors). Missing when
// nothing is there, a dangling link included.
FileOpen OpenRegularFile(const char* path, uint64_t maxBytes, int& fd, struct stat* st = nullptr,
                         std::string* problem = nullptr);

// The whole file, at most maxBytes; like OpenRegularFile otherwise. Bytes
// is empty unless Ok.
FileOpen ReadRegularFile(const char* path, uint64_t maxBytes, std::string& bytes, struct stat* st = nullptr,
                         std::string* problem = nullptr);

// Reads up to `count` bytes at `offset` from an open file (retrying
// interrupted reads); the number read, or -1 on an error.
long long ReadAt(int fd, void* buffer, size_t count, uint64_t offset);

// "larger than 32 MiB" and the like, for a cap in bytes.
std::string TooLargePhrase(uint64_t maxBytes);
