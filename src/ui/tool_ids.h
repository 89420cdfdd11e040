// The command ids of the game window: its mouse tools (the current tool is
// one of them) and the settings dialogs it opens.
#pragma once

constexpr int ID_TOOL_FISH_SETTINGS = 1034;
constexpr int ID_TOOL_TOUCH = 1035;
constexpr int ID_TOOL_FEED = 1036;
constexpr int ID_TOOL_GROW = 1037;
constexpr int ID_TOOL_SHRINK = 1038;
constexpr int ID_TOOL_AQUARIUM_SETTINGS = 1040;
constexpr int ID_TOOL_EXIT = 1042;
constexpr int ID_TOOL_CAMERA = 1044;
constexpr int ID_TOOL_RIPPLE = 1045;
constexpr int ID_TOOL_SHOOT = 1046;
constexpr int ID_TOOL_MOVE_CANNON = 1047;
constexpr int ID_TOOL_ZOOM_IN = 1048;
constexpr int ID_TOOL_ZOOM_OUT = 1049;
constexpr int ID_TOOL_MUSIC_SETTINGS = 1050;
constexpr int ID_TOOL_BACKGROUND_SETTINGS = 1052;
constexpr int ID_TOOL_PLANTS_SETTINGS = 1053;
