// The player's files that a list could not use while it loaded (a picture on
// a drive not mounted, a damaged track): gathered from every list that is
// loading, and told in one message once all of them are done, instead of a
// box per file. The files stay in their lists and are tried again next time.
#pragma once
#include <string>

namespace load_report {

// A list starts loading; the message waits for it.
void Begin(const char* list);
// A file of a list that could not be used, and why (a sentence). A file told
// twice is named once.
void Note(const std::string& path, const std::string& why);
// A line of its own for the message (a limit reached, ...).
void NoteLine(const std::string& line);
// The list has tried all its files.
void End(const char* list);
// Whether a list is still loading.
bool Gathering();
// The message, once no list is loading and something was noted; empty
// otherwise. Taking it starts the next report afresh.
std::string Take();

}  // namespace load_report
