#include "platform/profile_io.h"

#include "platform/regular_file.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {
namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

FileStamp StampOf(const struct stat& st)
{
    return {static_cast<uint64_t>(st.st_dev),  static_cast<uint64_t>(st.st_ino),  static_cast<uint64_t>(st.st_size),
            st.st_mtim.tv_sec,                 st.st_mtim.tv_nsec,                st.st_ctim.tv_sec,
            st.st_ctim.tv_nsec};
}

std::string Folder(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The file a path names at the end of its symbolic links, also when the last
// link dangles; the path itself when it is no link.
std::string LinkTarget(const char* path)
{
    std::string file = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return file;
        char target[4096];
        const ssize_t n = readlink(file.c_str(), target, sizeof target - 1);
        if (n <= 0)
            return file;
        const std::string next(target, static_cast<size_t>(n));
        file = next[0] == '/' ? next : Folder(file) + next;
    }
    return file;
}

// The start of the names of the temporary files beside target: ".name." with
// the file's name cut to 100 bytes.
std::string TemporaryPrefix(const std::string& target)
{
    const size_t slash = target.rfind('/');
    return "." + target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 100) + ".";
}

// A fresh file beside target, opened for writing; its name goes to tempName.
int CreateBeside(const std::string& target, mode_t mode, std::string& tempName)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = Folder(target) + TemporaryPrefix(target) + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = stem + std::to_string(counter++) + ".tmp";
        const int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The process id in a temporary file's name (prefix, pid, '-', number, ".tmp"), or 0.
pid_t OwnerOf(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() < prefix.size() + 7 ||
        name.compare(name.size() - 4, 4, ".tmp") != 0)
        return 0;
    const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    const size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == middle.size() || dash > 9)
        return 0;
    for (size_t i = 0; i < middle.size(); ++i) {
        if (i != dash && (middle[i] < '0' || middle[i] > '9'))
            return 0;
    }
    return static_cast<pid_t>(std::stol(middle.substr(0, dash)));
}

}  // namespace

ReadResult ReadWholeFile(const char* path, std::string& bytes, FileStamp* stamp, std::string* problem)
{
    struct stat st {};
    switch (ReadRegularFile(path, kMaxFileSize, bytes, &st, problem)) {
    case FileOpen::Ok:
        if (stamp)
            *stamp = StampOf(st);
        return ReadResult::Ok;
    case FileOpen::Missing: return ReadResult::Missing;
    default: return ReadResult::Failed;
    }
}

bool StampOf(const char* path, FileStamp& stamp)
{
    struct stat st {};
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp = StampOf(st);
    return true;
}

uint64_t HashBytes(const char* bytes, size_t size, uint64_t hash)
{
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
    return hash;
}

bool HashFile(const char* path, uint64_t& hash)
{
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    hash = kHashStart;
    char chunk[65536];
    uint64_t total = 0;
    while (ok) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0 && (total += static_cast<uint64_t>(n)) <= kMaxFileSize;
        if (n <= 0)
            break;
        hash = HashBytes(chunk, static_cast<size_t>(n), hash);
    }
    close(fd);
    return ok;
}

bool ReplaceWholeFile(const char* path, const std::string& bytes)
{
    const std::string target = LinkTarget(path);
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || access(target.c_str(), W_OK) != 0))
        return false;
    std::string tempName;
    const int fd = CreateBeside(target, exists ? (st.st_mode & 0777) : 0666, tempName);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    if (ok && exists)
        ok = fchmod(fd, st.st_mode & 07777) == 0;
    // On the disk before the rename: a crash leaves the old file or the new, never an empty one.
    if (ok)
        ok = fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok)
        ok = rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok)
        unlink(tempName.c_str());
    return ok;
}

void RemoveStaleTemporaryFiles(const char* path)
{
    const std::string target = LinkTarget(path);
    const std::string folder = Folder(target);
    const std::string prefix = TemporaryPrefix(target);
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        const pid_t owner = OwnerOf(name, prefix);
        if (owner <= 0 || owner == getpid() || kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        struct stat st {};
        const std::string file = folder + name;
        if (lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid())
            unlink(file.c_str());
    }
    closedir(dir);
}

}  // namespace ini
