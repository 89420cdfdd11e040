#include "app/tank_app.h"

// The one application object, built before main runs.
CTankApp g_App;

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
