#include "platform/profile_cache.h"

#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <set>
#include <string_view>
#include <vector>

namespace ini {
namespace {

struct Entry {
    std::string path;
    FileStamp stamp;
    // The coarse clock before the file was last seen: a change within the
    // same clock tick can leave size and times as they were, so while the
    // file's times are not older than this, its bytes are compared again.
    timespec seen{};
    uint64_t size = 0;
    uint64_t hash = 0;
    std::shared_ptr<const Document> doc;
};

constexpr size_t kEntries = 4;

struct Cache {
    std::mutex lock;
    std::vector<Entry> entries;  // most recently used first
    std::set<std::string> swept;
    std::set<std::string> reported;
};

Cache& TheCache()
{
    static Cache* cache = new Cache;
    return *cache;
}

timespec CoarseNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}

bool Before(int64_t sec, int64_t nsec, const timespec& t)
{
    return sec < t.tv_sec || (sec == t.tv_sec && nsec < t.tv_nsec);
}

bool Settled(const Entry& e)
{
    return Before(e.stamp.modifiedSec, e.stamp.modifiedNsec, e.seen) &&
           Before(e.stamp.changedSec, e.stamp.changedNsec, e.seen);
}

uint64_t HashOf(std::string_view bytes) { return HashBytes(bytes.data(), bytes.size()); }

const std::shared_ptr<const Document>& EmptyDocument()
{
    static const auto* empty = new std::shared_ptr<const Document>(std::make_shared<Document>());
    return *empty;
}

Entry* Find(Cache& cache, const std::string& path)
{
    auto it = std::find_if(cache.entries.begin(), cache.entries.end(),
                           [&](const Entry& e) { return e.path == path; });
    if (it == cache.entries.end())
        return nullptr;
    std::rotate(cache.entries.begin(), it, it + 1);
    return &cache.entries.front();
}

void Forget(Cache& cache, const std::string& path)
{
    std::erase_if(cache.entries, [&](const Entry& e) { return e.path == path; });
}

Entry& Remember(Cache& cache, Entry entry)
{
    Forget(cache, entry.path);
    cache.entries.insert(cache.entries.begin(), std::move(entry));
    if (cache.entries.size() > kEntries)
        cache.entries.pop_back();
    return cache.entries.front();
}

void ReportLocked(Cache& cache, const char* path, const std::string& what, const std::string& why)
{
    if (cache.reported.insert(std::string(path) + '\n' + what + '\n' + why).second)
        std::fprintf(stderr, "%s: %s %s: %s\n", program_invocation_short_name, path, what.c_str(), why.c_str());
}

}  // namespace

void ReportProblem(const char* path, const std::string& what, const std::string& why)
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    ReportLocked(cache, path, what, why);
}

std::string TooLargeToWrite() { return "it would grow " + TooLargePhrase(kMaxFileSize); }

Loaded LoadDocument(const char* path)
{
    if (!path)
        return {ReadResult::Missing, EmptyDocument()};
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    const std::string key = path;
    if (cache.swept.insert(key).second)
        RemoveStaleTemporaryFiles(path);
    const timespec now = CoarseNow();
    Entry* known = Find(cache, key);
    FileStamp stamp;
    if (known && StampOf(path, stamp)) {
        if (stamp == known->stamp && Settled(*known))
            return {ReadResult::Ok, known->doc};
        // Changed, or changed too recently to tell: the same bytes need no parse.
        uint64_t hash = 0;
        if (stamp.size == known->size && HashFile(path, hash) && hash == known->hash) {
            known->stamp = stamp;
            known->seen = now;
            return {ReadResult::Ok, known->doc};
        }
    }

    std::string bytes, problem;
    const ReadResult result = ReadWholeFile(path, bytes, &stamp, &problem);
    if (result != ReadResult::Ok) {
        Forget(cache, key);
        if (result == ReadResult::Failed)
            ReportLocked(cache, path, "is ignored", problem);
        return {result, EmptyDocument()};
    }
    Entry entry{key, stamp, now, bytes.size(), HashOf(bytes), std::make_shared<const Document>(Parse(bytes))};
    return {ReadResult::Ok, Remember(cache, std::move(entry)).doc};
}

std::shared_ptr<Document> TakeDocument(const char* path, std::shared_ptr<const Document> doc)
{
    Cache& cache = TheCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    Forget(cache, path);
    if (doc.use_count() == 1 && doc != EmptyDocument())
        return std::const_pointer_cast<Document>(doc);
    return std::make_shared<Document>(*doc);
}

bool StoreDocument(const char* path, std::shared_ptr<Document> doc,
                   const std::function<bool(Document&)>& readBack)
{
    const std::string bytes = Serialize(*doc);
    Cache& cache = TheCache();
    if (bytes.size() > kMaxFileSize) {
        // Every later load would ignore such a file.
        std::lock_guard<std::mutex> guard(cache.lock);
        Forget(cache, path);
        ReportLocked(cache, path, "is not written", TooLargeToWrite());
        return false;
    }
    if (!readBack(*doc))
        *doc = Parse(bytes);
    std::lock_guard<std::mutex> guard(cache.lock);
    const timespec before = CoarseNow();
    if (!ReplaceWholeFile(path, bytes)) {
        Forget(cache, path);
        return false;
    }
    // Seen before it was written: the next load compares the bytes once.
    Entry entry{path, {}, before, bytes.size(), HashOf(bytes), std::move(doc)};
    if (StampOf(path, entry.stamp))
        Remember(cache, std::move(entry));
    else
        Forget(cache, path);
    return true;
}

}  // namespace ini
