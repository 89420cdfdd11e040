// Built-in pictures and music, restored from the executable's "RCAD"
// resources to files in the temporary folder, and removed again after use.
#pragma once
#include "platform/wintypes.h"

#include <string>

// Writes folder + name + ".ad" (the stored bytes) and unpacks it into
// folder + name + ".bmp" (".wav" for the name "Music"). FALSE when there is no
// resource of that id, or the files cannot be written (nothing is left behind).
BOOL ExtractResourceFile(int id, const std::string& folder, const std::string& name);

// Turns folder + name + ".ad" into the picture or sound file. FALSE, with one
// line on stderr and no output file, when the stored data cannot be read, is
// damaged or of the wrong kind, or the output cannot be written.
BOOL UnpackDataFile(const std::string& folder, const std::string& name);

void DeleteTempFile(const std::string& path);
