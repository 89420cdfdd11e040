// Reading a private-profile file whole, and replacing it whole without ever
// leaving a partly written file behind.
#pragma once
#include <cstdint>
#include <string>

namespace ini {

enum class ReadResult { Ok, Missing, Failed };

// Files above this size are refused: far above any real settings file, and a
// bound on what an endless or runaway file can cost.
constexpr uint64_t kMaxFileSize = uint64_t(32) << 20;

// What tells one version of a file from another: where it lives, its size and
// its change times.
struct FileStamp {
    uint64_t device = 0, inode = 0, size = 0;
    int64_t modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
    bool operator==(const FileStamp&) const = default;
};

// The file's bytes and their stamp; Missing when there is no such file (a
// dangling link included), Failed when it cannot be read: not a regular file (a
// FIFO, a device, a folder), larger than kMaxFileSize, no permission, an I/O
// error. Never blocks on opening. problem (optional) gets why it failed.
ReadResult ReadWholeFile(const char* path, std::string& bytes, FileStamp* stamp = nullptr,
                         std::string* problem = nullptr);

// The stamp of the regular file path names; false when there is none.
bool StampOf(const char* path, FileStamp& stamp);

// A hash of bytes, the same whether they come whole or in pieces (start from
// kHashStart, pass each result on).
constexpr uint64_t kHashStart = 14695981039346656037ull;
uint64_t HashBytes(const char* bytes, size_t size, uint64_t hash = kHashStart);

// The hash of the regular file's bytes, read in pieces; false when it cannot be read.
bool HashFile(const char* path, uint64_t& hash);

// Writes bytes to a new file in the same folder, flushes it to the disk and
// renames it over path, so the file holds either its old or its new bytes. An
// existing file keeps its permission bits, and a symbolic link keeps pointing
// at it; through a dangling link the file it names is created. A new file gets
// 0666 less the umask. False, with the file as it was, when the file is
// read-only, not a regular file, or anything fails.
bool ReplaceWholeFile(const char* path, const std::string& bytes);

// Removes the temporary files a rewrite of path leaves beside it when its
// process is killed mid-way, of processes that no longer run.
void RemoveStaleTemporaryFiles(const char* path);

}  // namespace ini
