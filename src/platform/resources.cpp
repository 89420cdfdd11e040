#include "platform/resources.h"

#include <vector>

namespace {

struct Table {
    const EmbeddedResource* entries;
    size_t count;
};

// Function-local so that tables registered during static initialisation of
// other files find it constructed.
std::vector<Table>& Tables()
{
    static std::vector<Table> tables;
    return tables;
}

// Resource type names compare without regard to ASCII case.
bool SameType(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        char ca = *a, cb = *b;
        if (ca >= 'a' && ca <= 'z')
            ca = static_cast<char>(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z')
            cb = static_cast<char>(cb - 'a' + 'A');
        if (ca != cb)
            return false;
        if (ca == '\0')
            return true;
    }
}

const EmbeddedResource* AsEntry(HRSRC resource)
{
    return reinterpret_cast<const EmbeddedResource*>(resource);
}

}  // namespace

void RegisterResources(const EmbeddedResource* table, size_t count)
{
    if (table != nullptr && count > 0)
        Tables().push_back({table, count});
}

// The first registered entry of that type and id wins.
HRSRC FindResourceA(HMODULE, int id, const char* type)
{
    if (type == nullptr)
        return nullptr;
    for (const Table& table : Tables()) {
        for (size_t i = 0; i < table.count; ++i) {
            const EmbeddedResource& entry = table.entries[i];
            if (entry.id == id && entry.type != nullptr && SameType(entry.type, type))
                return reinterpret_cast<HRSRC>(const_cast<EmbeddedResource*>(&entry));
        }
    }
    return nullptr;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource)
{
    return resource != nullptr ? AsEntry(resource)->data : nullptr;
}

const void* LockResource(HGLOBAL data) { return data; }

DWORD SizeofResource(HMODULE, HRSRC resource)
{
    return resource != nullptr ? static_cast<DWORD>(AsEntry(resource)->size) : 0;
}
