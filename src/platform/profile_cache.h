// Private-profile files parsed once: the parsed form of a file is kept and
// used again until the file changes on disk, our own rewrites included.
#pragma once
#include "platform/profile_doc.h"
#include "platform/profile_io.h"

#include <functional>
#include <memory>

namespace ini {

struct Loaded {
    ReadResult result = ReadResult::Missing;
    std::shared_ptr<const Document> doc;  // never null; empty unless result is Ok
};

// The file as it is on disk now; a missing or unreadable file reads as empty.
// A file that cannot be read is reported once on standard error. The first
// load of a path also clears away stale temporary files of earlier rewrites.
Loaded LoadDocument(const char* path);

// The document loaded from path, to be changed: without a copy where nothing
// else holds it. Until StoreDocument the cache holds nothing for path.
std::shared_ptr<Document> TakeDocument(const char* path, std::shared_ptr<const Document> doc);

// Replaces the file with doc in its normal form; false when that fails (a
// document larger than the largest file a load reads is never written: it is
// reported once and the file is left as it was). The
// cache then holds what the new file reads back as: doc as readBack turns it,
// or, where readBack gives false, the new file parsed.
bool StoreDocument(const char* path, std::shared_ptr<Document> doc,
                   const std::function<bool(Document&)>& readBack);

// Says once on standard error that the file cannot be used, or a write of it
// was refused, and why.
void ReportProblem(const char* path, const std::string& what, const std::string& why);

// Why a document of that many bytes is not written.
std::string TooLargeToWrite();

}  // namespace ini
