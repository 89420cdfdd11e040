// Resources carried inside the executable, found by type and numeric id.
#pragma once
#include "platform/wintypes.h"

#include <cstddef>

struct EmbeddedResource {
    const char* type;  // e.g. "RCAD"
    int id;
    const unsigned char* data;
    size_t size;
};

// Adds a table of resources (the executable registers the generated one at
// start; tests register their own). The table must outlive every lookup.
void RegisterResources(const EmbeddedResource* table, size_t count);

struct HRSRC__;
using HRSRC = HRSRC__*;
using HGLOBAL = const void*;

// The module is ignored (there is one: the executable). Type names compare
// without regard to ASCII case; when tables repeat an id, the table registered
// first wins. Null when absent.
HRSRC FindResourceA(HMODULE module, int id, const char* type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
