#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileOpen Fail(std::string* problem, std::string why)
{
    if (problem)
        *problem = std::move(why);
    return FileOpen::Failed;
}

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a plain file";
}

std::string NotRegular(mode_t mode) { return std::string("not a regular file (") + KindOf(mode) + ")"; }

}  // namespace

std::string TooLargePhrase(uint64_t maxBytes)
{
    if (maxBytes >= (uint64_t(1) << 20) && maxBytes % (uint64_t(1) << 20) == 0)
        return "larger than " + std::to_string(maxBytes >> 20) + " MiB";
    return "larger than " + std::to_string(maxBytes) + " bytes";
}

FileOpen OpenRegularFile(const char* path, uint64_t maxBytes, int& fd, struct stat* status, std::string* problem)
{
    fd = -1;
    if (!path || !*path)
        return FileOpen::Missing;
    // Look before opening: opening a FIFO for reading waits for a writer.
    struct stat st {};
    if (stat(path, &st) != 0)
        return errno == ENOENT ? FileOpen::Missing : Fail(problem, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return Fail(problem, NotRegular(st.st_mode));
    if (static_cast<uint64_t>(st.st_size) > maxBytes)
        return Fail(problem, TooLargePhrase(maxBytes));
    const int opened = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0)
        return errno == ENOENT ? FileOpen::Missing : Fail(problem, std::strerror(errno));
    // What was opened may have been swapped in after the look.
    if (fstat(opened, &st) != 0 || !S_ISREG(st.st_mode)) {
        const mode_t mode = st.st_mode;
        close(opened);
        return Fail(problem, NotRegular(mode));
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        close(opened);
        return Fail(problem, TooLargePhrase(maxBytes));
    }
    // Reads of a regular file never wait anyway; plain blocking reads then.
    fcntl(opened, F_SETFL, fcntl(opened, F_GETFL) & ~O_NONBLOCK);
    fd = opened;
    if (status)
        *status = st;
    return FileOpen::Ok;
}

long long ReadAt(int fd, void* buffer, size_t count, uint64_t offset)
{
    for (;;) {
        const ssize_t n = pread(fd, buffer, count, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        return n;
    }
}

FileOpen ReadRegularFile(const char* path, uint64_t maxBytes, std::string& bytes, struct stat* status,
                         std::string* problem)
{
    bytes.clear();
    int fd = -1;
    struct stat st {};
    const FileOpen opened = OpenRegularFile(path, maxBytes, fd, &st, problem);
    if (opened != FileOpen::Ok)
        return opened;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            bytes.clear();
            return Fail(problem, std::strerror(error));
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {  // it grows while being read
            close(fd);
            bytes.clear();
            return Fail(problem, TooLargePhrase(maxBytes));
        }
        bytes.append(chunk, static_cast<size_t>(n));
    }
    close(fd);
    if (status)
        *status = st;
    return FileOpen::Ok;
}
