// Resource ids of the dialogs' pictures.
#pragma once

// The application icon (a small fish), in 16, 32 and 48 pixels.
constexpr unsigned IDI_APP_FISH = 128;

// The skinned caption: caption buttons, title bar left end, middle piece,
// right end, and the edge piece.
constexpr unsigned IDB_SKIN_BUTTONS = 142;
constexpr unsigned IDB_SKIN_LEFT = 143;
constexpr unsigned IDB_SKIN_MIDDLE = 144;
constexpr unsigned IDB_SKIN_RIGHT = 147;
constexpr unsigned IDB_SKIN_EDGE = 148;
