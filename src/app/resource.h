// Resource and command ids of the application.
#pragma once
#include "gfx/app_title.h"

constexpr unsigned IDR_MAINFRAME = 128;  // frame: title string, icon, menu
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned ID_APP_ABOUT = 57664;
