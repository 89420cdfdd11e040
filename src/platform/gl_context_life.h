// Which GL context is current, and word of its end: for caches of GL objects
// (display lists, textures) that belong to the context they were made in.
#pragma once
#include <functional>

// The context current on this thread; null when none is.
const void* CurrentGlContext();

// Calls done once, just before `context` (a value of CurrentGlContext) is
// destroyed.
void WhenGlContextEnds(const void* context, std::function<void()> done);
