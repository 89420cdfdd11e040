// Reading a private-profile file whole, and replacing it whole without ever
// leaving a partly written file behind.
#pragma once
#include <string>

namespace ini {

enum class ReadResult { Ok, Missing, Failed };

// The file's bytes; Missing when there is no such file, Failed when it exists
// but cannot be read (a folder, no permission, an I/O error).
ReadResult ReadWholeFile(const char* path, std::string& bytes);

// Writes bytes to a new file in the same folder and renames it over path, so
// the file holds either its old or its new bytes. An existing file keeps its
// permission bits, and a symbolic link keeps pointing at it; a new file gets
// 0666 less the umask. False, with the file as it was, when the file is
// read-only or anything fails.
bool ReplaceWholeFile(const char* path, const std::string& bytes);

}  // namespace ini
