#include "fish/fish_registry.h"

#include "platform/registration.h"

#include <array>
#include <cstring>
#include <string>

namespace {

// Filled while the program starts, before main.
std::array<FishSpecies, FISH_SPECIES_COUNT>& Table()
{
    static std::array<FishSpecies, FISH_SPECIES_COUNT> table;
    return table;
}

std::vector<FishKind>& Kinds()
{
    static std::vector<FishKind> kinds;
    return kinds;
}

}  // namespace

void RegisterFishSpecies(const FishSpecies& species)
{
    const int k = species.index;
    if (k < 0 || k >= FISH_SPECIES_COUNT)
        RefuseRegistration("fish species", std::to_string(k), "is outside the species table");
    if (Table()[static_cast<size_t>(k)].description)
        RefuseRegistration("fish species", std::to_string(k));
    Table()[static_cast<size_t>(k)] = species;
}

const FishSpecies* FindFishSpecies(int index)
{
    if (index < 0 || index >= FISH_SPECIES_COUNT)
        return nullptr;
    const FishSpecies& s = Table()[static_cast<size_t>(index)];
    return s.description ? &s : nullptr;
}

std::vector<const FishSpecies*> RegisteredFishSpecies()
{
    std::vector<const FishSpecies*> all;
    for (const FishSpecies& s : Table())
        if (s.description)
            all.push_back(&s);
    return all;
}

void RegisterFishKind(const FishKind& kind)
{
    for (const FishKind& k : Kinds())
        if (std::strcmp(k.name, kind.name) == 0)
            RefuseRegistration("fish kind", kind.name);
    Kinds().push_back(kind);
}

std::vector<const FishKind*> RegisteredFishKinds()
{
    std::vector<const FishKind*> all;
    for (const FishKind& k : Kinds())
        all.push_back(&k);
    return all;
}
