// The application's title: the frame's caption and the caption of the game's
// message boxes.
#pragma once

constexpr const char* APP_TITLE = "Parvolune";
