#include "fish/fish_registry.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// Filled while the program starts, before main.
std::array<FishSpecies, kFishSpeciesCount>& Table()
{
    static std::array<FishSpecies, kFishSpeciesCount> table;
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
    if (k < 0 || k >= kFishSpeciesCount || Table()[static_cast<size_t>(k)].description) {
        std::fprintf(stderr, "fish species %d registered twice or out of the table (%s)\n", k,
                     species.description ? species.description->name : "?");
        std::abort();
    }
    Table()[static_cast<size_t>(k)] = species;
}

const FishSpecies* FindFishSpecies(int index)
{
    if (index < 0 || index >= kFishSpeciesCount)
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

void RegisterFishKind(const FishKind& kind) { Kinds().push_back(kind); }

std::vector<const FishKind*> RegisteredFishKinds()
{
    std::vector<const FishKind*> all;
    for (const FishKind& k : Kinds())
        all.push_back(&k);
    return all;
}
