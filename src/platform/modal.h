// Modal loops (message boxes, modal dialogs) keep the game's timers running:
// a timer whose handler is on the stack when the loop starts gets a stand-in
// that delivers its ticks inside the loop.
#pragma once

#include <functional>

int RunModalLoop(const std::function<int()>& exec);
