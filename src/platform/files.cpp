#include "platform/files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

std::string EnvValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

// A folder we own, private to us (no group or other bits) and writable.
bool IsPrivateFolder(const std::string& path, bool followLink)
{
    struct stat st {};
    const int rc = followLink ? stat(path.c_str(), &st) : lstat(path.c_str(), &st);
    return rc == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0 &&
           access(path.c_str(), W_OK | X_OK) == 0;
}

// Makes one folder with mode 0700 (exact, whatever the umask). An existing
// folder is accepted when it is a directory and writable.
bool MakeFolder(const std::string& path)
{
    if (mkdir(path.c_str(), 0700) == 0)
        return chmod(path.c_str(), 0700) == 0;
    if (errno != EEXIST)
        return false;
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Makes path and its missing parents; the folders made get mode 0700. An
// existing folder that is read-only will do: what is in it can be read.
bool MakeFolders(const std::string& path)
{
    for (size_t pos = path.find('/', 1); pos != std::string::npos; pos = path.find('/', pos + 1)) {
        if (!MakeFolder(path.substr(0, pos)))
            return false;
    }
    return MakeFolder(path) && access(path.c_str(), X_OK) == 0;
}

// A private folder named `name` inside $XDG_RUNTIME_DIR, made on demand; empty
// when the runtime folder is unset, relative, not ours or not private.
std::string RuntimeSubfolder(const char* name)
{
    const std::string base = EnvValue("XDG_RUNTIME_DIR");
    if (base.empty() || base[0] != '/' || !IsPrivateFolder(base, true))
        return "";
    const std::string path = WithSlash(base) + name;
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return "";
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
        return "";
    if ((st.st_mode & 0777) != 0700 && chmod(path.c_str(), 0700) != 0)
        return "";
    return IsPrivateFolder(path, false) ? path + '/' : "";
}

// The folders made with mkdtemp by this process, removed at exit when empty.
struct MadeFolders {
    std::mutex lock;
    std::string base;    // $TMPDIR (or /tmp) the current folder was made under
    std::string folder;  // with its trailing '/'
    std::vector<std::pair<pid_t, std::string>> made;  // by the process that made it
    bool cleanupRegistered = false;
};

MadeFolders& Made()
{
    static MadeFolders* made = new MadeFolders;
    return *made;
}

void RemoveMadeFolders()
{
    MadeFolders& m = Made();
    std::lock_guard<std::mutex> guard(m.lock);
    for (const auto& [pid, path] : m.made) {
        if (pid == getpid())
            rmdir(path.c_str());
    }
}

constexpr char kMadePrefix[] = "parvolune-";

// The process that made a folder named parvolune-<pid>-XXXXXX, or 0.
pid_t MadeFolderOwner(const std::string& name)
{
    const size_t stem = sizeof kMadePrefix - 1;
    if (name.compare(0, stem, kMadePrefix) != 0)
        return 0;
    const size_t dash = name.find('-', stem);
    if (dash == std::string::npos || dash == stem || dash - stem > 9 || name.size() != dash + 7)
        return 0;
    for (size_t i = stem; i < dash; ++i)
        if (name[i] < '0' || name[i] > '9')
            return 0;
    return static_cast<pid_t>(std::stol(name.substr(stem, dash - stem)));
}

// Removes the folders (and the restored files in them) that processes which
// no longer run made under base, as a killed or crashed run leaves its own.
void RemoveFoldersOfEndedProcesses(const std::string& base)
{
    DIR* dir = opendir(base.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const pid_t owner = MadeFolderOwner(entry->d_name);
        if (owner <= 0 || owner == getpid() || kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        const std::string folder = WithSlash(base) + entry->d_name;
        struct stat st {};
        if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
            continue;
        if (DIR* inside = opendir(folder.c_str())) {
            while (const dirent* file = readdir(inside)) {
                const std::string path = folder + '/' + file->d_name;
                struct stat fs {};
                if (lstat(path.c_str(), &fs) == 0 && !S_ISDIR(fs.st_mode) && fs.st_uid == geteuid())
                    unlink(path.c_str());
            }
            closedir(inside);
        }
        rmdir(folder.c_str());
    }
    closedir(dir);
}

std::string ProcessTempFolder()
{
    std::string base = EnvValue("TMPDIR");
    if (base.empty())
        base = "/tmp";
    MadeFolders& m = Made();
    std::lock_guard<std::mutex> guard(m.lock);
    if (!m.folder.empty() && m.base == base && IsPrivateFolder(m.folder, false))
        return m.folder;
    RemoveFoldersOfEndedProcesses(base);
    std::string pattern = WithSlash(base) + kMadePrefix + std::to_string(getpid()) + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        return "";
    const std::string path = buffer.data();
    if (!m.cleanupRegistered) {
        m.cleanupRegistered = true;
        std::atexit(RemoveMadeFolders);
    }
    m.made.emplace_back(getpid(), path);
    m.base = base;
    m.folder = path + '/';
    return m.folder;
}

// parvolune-<uid>/ under $TMPDIR (or /tmp): the same folder for every process
// of this user, made with mode 0700; empty unless it is a folder (not a link)
// of ours with exactly that mode, so that no one else can have put anything in it.
std::string UserTempFolder()
{
    std::string base = EnvValue("TMPDIR");
    if (base.empty() || base[0] != '/')
        base = "/tmp";
    const std::string path = WithSlash(base) + "parvolune-" + std::to_string(geteuid());
    if (mkdir(path.c_str(), 0700) == 0)
        chmod(path.c_str(), 0700);
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
        (st.st_mode & 07777) != 0700)
        return "";
    return path + '/';
}

std::string HomeFolder()
{
    std::string home = EnvValue("HOME");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

}  // namespace

DWORD GetTempPathA(DWORD bufferLength, char* buffer)
{
    std::string path = RuntimeSubfolder("parvolune-tmp");
    if (path.empty())
        path = ProcessTempFolder();
    if (path.empty())
        return 0;
    const DWORD length = static_cast<DWORD>(path.size());
    if (!buffer || bufferLength <= length)
        return length + 1;
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return length;
}

std::string GetSettingsFolder()
{
    std::string base = EnvValue("XDG_CONFIG_HOME");
    if (base.empty() || base[0] != '/') {
        const std::string home = HomeFolder();
        if (home.empty() || home[0] != '/')
            return "";
        base = WithSlash(home) + ".config";
    }
    const std::string path = WithSlash(base) + "parvolune";
    return MakeFolders(path) ? path + '/' : "";
}

std::string GetFallbackFolder()
{
    const std::string path = RuntimeSubfolder("parvolune-tmp");
    return path.empty() ? UserTempFolder() : path;
}

std::string GetAppProfilePath()
{
    std::string folder = GetSettingsFolder();
    if (folder.empty())
        folder = GetFallbackFolder();
    return folder.empty() ? "" : folder + "parvolune-profile.ini";
}

std::string GetRuntimeFolder()
{
    const std::string path = RuntimeSubfolder("parvolune");
    if (!path.empty())
        return path;
    // Without a runtime folder the locks live beside the settings, else in the
    // user's own temporary folder: places every copy of the game run by this
    // user agrees on.
    for (const std::string& folder : {GetSettingsFolder(), UserTempFolder()}) {
        const std::string run = folder + "run";
        if (!folder.empty() && MakeFolder(run) && access(run.c_str(), W_OK | X_OK) == 0)
            return run + '/';
    }
    return "";
}

BOOL DeleteFileA(const char* path)
{
    if (!path || !*path)
        return FALSE;
    struct stat st {};
    if (lstat(path, &st) != 0 || S_ISDIR(st.st_mode))
        return FALSE;
    return unlink(path) == 0 ? TRUE : FALSE;
}
