// The help page shipped with the game: F1 and the dialogs' links open it.
#pragma once
#include <string>

// Its address (a file:// address beside the program).
std::string HelpPageAddress();
