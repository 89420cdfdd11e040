#include "platform/profile_io.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
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

// The file a path names, through any symbolic links; the path itself when it
// names nothing yet.
std::string RealFile(const char* path)
{
    char* resolved = realpath(path, nullptr);
    if (!resolved)
        return path;
    std::string file = resolved;
    std::free(resolved);
    return file;
}

// A fresh file beside target, opened for writing; its name goes to tempName.
int CreateBeside(const std::string& target, mode_t mode, std::string& tempName)
{
    static std::atomic<unsigned> counter{0};
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 100);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = folder + "." + base + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

ReadResult ReadWholeFile(const char* path, std::string& bytes)
{
    bytes.clear();
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            close(fd);
            bytes.clear();
            return ReadResult::Failed;
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    close(fd);
    return ReadResult::Ok;
}

bool ReplaceWholeFile(const char* path, const std::string& bytes)
{
    const std::string target = RealFile(path);
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
    ok = close(fd) == 0 && ok;
    if (ok)
        ok = rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok)
        unlink(tempName.c_str());
    return ok;
}

}  // namespace ini
