// A current GL context for tests that need one (an X display with GLX, e.g. Xvfb).
#pragma once

// Creates (once) a hidden window with a compatibility-profile context, makes it
// current and loads the GL entry points. False when no context can be had.
bool MakeTestGLContext();
