#include "ui/fish_grid_picture.h"

#include "settings/tank_numbers.h"
#include "ui/ui_resource.h"

namespace {

using namespace paint;

SpeciesPortraitSource& Source()
{
    static SpeciesPortraitSource source;
    return source;
}

bool& Made()
{
    static bool made = false;
    return made;
}

// A fish seen from the side: body, tail and eye.
Shape FishOutline()
{
    return Union({EllipseRing(54, 40, 24, 13, 2.0f), Capsule(30, 40, 18, 29, 1.0f), Capsule(30, 40, 18, 51, 1.0f),
                  Capsule(18, 29, 18, 51, 1.0f), Disc(68, 37, 2.0f)});
}

}  // namespace

void SetSpeciesPortraitSource(SpeciesPortraitSource source)
{
    Source() = std::move(source);
    Made() = false;
}

void RegisterFishGridPicture()
{
    if (Made())
        return;
    Made() = true;
    RegisterCountGridPicture(
        IDB_FISH_PAGE0, FISH_SPECIES_COUNT,
        [](int k, int w, int h, std::vector<uint32_t>& argb) {
            return Source() && Source()(k, w, h, argb) && argb.size() == static_cast<size_t>(w) * h;
        },
        FishOutline());
}
