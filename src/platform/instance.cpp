#include "platform/instance.h"

#include "platform/files.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace {

thread_local DWORD t_lastError = 0;

// One per CreateMutexA call; kept (with its open lock file) until the process ends.
struct Mutex {
    int fd = -1;
};

Mutex* NewMutex(int fd)
{
    static std::mutex lock;
    static auto* mutexes = new std::vector<Mutex*>;
    std::lock_guard<std::mutex> guard(lock);
    mutexes->push_back(new Mutex{fd});
    return mutexes->back();
}

// The lock file's name: letters, digits, '.', '_' and '-' kept, every other byte
// as %XX, so different names never share a file; long names end in a hash.
std::string LockFileName(const std::string& name)
{
    std::string out;
    for (unsigned char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '.' || c == '_' || c == '-';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    constexpr size_t kMaxStem = 200;
    if (out.size() > kMaxStem) {
        uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : name)
            hash = (hash ^ c) * 1099511628211ull;
        char tail[20];
        std::snprintf(tail, sizeof tail, "~%016llx", static_cast<unsigned long long>(hash));
        out = out.substr(0, kMaxStem - 17) + tail;
    }
    return out + ".lock";
}

}  // namespace

DWORD GetLastError() { return t_lastError; }

void SetLastError(DWORD error) { t_lastError = error; }

HANDLE CreateMutexA(void* /*securityAttributes*/, BOOL /*initialOwner*/, const char* name)
{
    if (!name || !*name) {
        SetLastError(0);
        return NewMutex(-1);
    }
    const std::string folder = GetRuntimeFolder();
    if (folder.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    const std::string path = folder + LockFileName(name);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        if (!held) {
            SetLastError(ERROR_ACCESS_DENIED);
            return nullptr;
        }
        SetLastError(ERROR_ALREADY_EXISTS);
        return NewMutex(-1);
    }
    SetLastError(0);
    return NewMutex(fd);
}
