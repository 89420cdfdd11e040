// The species table: each fish class registers itself from its own file (its
// species index, description, texture and fish array), and the game window
// reaches the species only through this table.
#pragma once
#include "fish/fish_array.h"
#include "settings/tank_numbers.h"

#include <memory>
#include <vector>

struct FishSpecies {
    int index = -1;
    const FishClass* description = nullptr;
    int textureId = 0;
    std::unique_ptr<IFishArray> (*makeArray)() = nullptr;  // an empty array of the class
};

// Adds a species; a second class for one index, or an index outside 0..24,
// is refused (RefuseRegistration: a mistake in the build).
void RegisterFishSpecies(const FishSpecies& species);
// Species k, or null when no class has registered it.
const FishSpecies* FindFishSpecies(int index);
// Every registered species, by index.
std::vector<const FishSpecies*> RegisteredFishSpecies();

// Fish kinds outside the species table: the game window keeps `arrays` empty
// arrays of each, which nothing ever sizes.
struct FishKind {
    const char* name = "";
    int arrays = 1;
    std::unique_ptr<IFishArray> (*makeArray)() = nullptr;
};
// Adds a kind; a second kind of the same name is refused.
void RegisterFishKind(const FishKind& kind);
std::vector<const FishKind*> RegisteredFishKinds();

template <class Fish>
std::unique_ptr<IFishArray> MakeFishArray()
{
    return std::make_unique<CFishArray<Fish>>();
}

// A species file registers its class with one static object:
//   const FishSpeciesRegistrar<CFishSpecies03> kRegistered(3, kFishSpecies03);
template <class Fish>
struct FishSpeciesRegistrar {
    FishSpeciesRegistrar(int index, const FishClass& description)
    {
        RegisterFishSpecies({index, &description, FISH_TEXTURE_ID_BASE + index, MakeFishArray<Fish>});
    }
};

// And a kind's file:  const FishKindRegistrar<CFishKindB> kRegistered("B", 2);
template <class Fish>
struct FishKindRegistrar {
    FishKindRegistrar(const char* name, int arrays) { RegisterFishKind({name, arrays, MakeFishArray<Fish>}); }
};
