// Loads the GL entry points for the current context (once per process).
#pragma once

bool LoadGlEntryPoints();
