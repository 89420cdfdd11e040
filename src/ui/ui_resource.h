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

// The Fish grid's page pictures: page 0 shows every species in its cell
// (made when the Fish dialog first opens), page 1 is a single pixel.
constexpr unsigned IDB_FISH_PAGE0 = 129;
constexpr unsigned IDB_FISH_PAGE1 = 269;

// The Aquarium dialog: its face pixel, the check box and radio pictures
// (16 x 16), the About button's icon.
constexpr unsigned IDB_AQUARIUM_FACE = 272;
constexpr unsigned IDB_UNCHECKED = 274;
constexpr unsigned IDB_CHECKED = 275;
constexpr unsigned IDB_RADIO_ON = 276;
constexpr unsigned IDB_RADIO_OFF = 277;
constexpr unsigned IDI_ABOUT = 138;

// The command bar's icons (32 x 32): feed, touch, fish settings, camera,
// ripple, aquarium settings, and those of move cannon and shoot.
constexpr unsigned IDI_FEED = 133;
constexpr unsigned IDI_TOUCH = 160;
constexpr unsigned IDI_FISH_SETTINGS = 180;
constexpr unsigned IDI_CAMERA = 136;
constexpr unsigned IDI_RIPPLE = 232;
constexpr unsigned IDI_AQUARIUM_SETTINGS = 137;
constexpr unsigned IDI_MOVE_CANNON = 383;
constexpr unsigned IDI_SHOOT = 384;

// The hand shown over the dialogs' buttons and links.
constexpr unsigned IDC_HAND = 281;
