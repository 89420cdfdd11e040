// Resource and command ids of the application.
#pragma once

constexpr unsigned IDR_MAINFRAME = 128;  // frame: title string, icon, menu
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned ID_APP_ABOUT = 57664;

constexpr const char* APP_TITLE = "Parvolune";
