// The one place where the game finds the temporary folder it restores its
// built-in pictures and music into.
#pragma once
#include <string>

// The temporary folder with its trailing separator; on failure an empty
// string, and the first failure of the run shows a message box
// "Error Find TempPath." titled "ERROR".
std::string GetTempFolder();
