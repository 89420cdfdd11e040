// The registries the program fills while it starts (fish species and kinds,
// plant kinds and the scenery's set-up, dialogs and their templates): each
// holds one entry per key. A second entry for a key, or a key outside the
// registry's range, is a mistake in the build, refused the same way by all.
#pragma once
#include <string>

// Stops the program with one line on standard error:
//   "parvolune: <registry> <key> registered twice" (or: "... <reason>").
[[noreturn]] void RefuseRegistration(const char* registry, const std::string& key,
                                     const char* reason = "registered twice");
