// The cursors of the mouse tools, painted by code at start-up.
#pragma once

// Cursor ids: a tool's cursor with the left button up and held.
constexpr unsigned IDC_TOUCH = 158;
constexpr unsigned IDC_TOUCH_DOWN = 159;
constexpr unsigned IDC_FEED = 163;
constexpr unsigned IDC_FEED_DOWN = 164;
constexpr unsigned IDC_GROW = 167;
constexpr unsigned IDC_GROW_DOWN = 177;
constexpr unsigned IDC_SHRINK = 169;
constexpr unsigned IDC_SHRINK_DOWN = 178;
// The pair of a tool no picture exists for (loading them gives null).
constexpr unsigned IDC_UNUSED_TOOL = 170;
constexpr unsigned IDC_UNUSED_TOOL_DOWN = 176;
constexpr unsigned IDC_RIPPLE = 234;
constexpr unsigned IDC_ZOOM_IN_DOWN = 249;
constexpr unsigned IDC_ZOOM_OUT = 250;
constexpr unsigned IDC_ZOOM_OUT_DOWN = 251;
constexpr unsigned IDC_ZOOM_IN = 252;
constexpr unsigned IDC_MOVE_CANNON = 379;
constexpr unsigned IDC_MOVE_CANNON_DOWN = 380;

// Side of every tool cursor, in pixels.
constexpr int TOOL_CURSOR_SIZE = 32;

// Registers the tool cursors (once; later calls do nothing).
void RegisterToolCursors();
