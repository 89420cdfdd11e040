// Pictures of the fish species for the Fish settings dialog, drawn offscreen
// from the game's own meshes and textures, so that they always match what
// swims.
#pragma once
#include <cstdint>
#include <vector>

class CTankView;

// Whether the game has species `species`: if so, one fish of it is drawn at
// the origin, side on and facing right, with its texture bound. The tank's
// fish and the random sequence are left as they were.
bool DrawSpeciesFish(CTankView& view, int species);

// Species `species` as a width x height picture (0xAARRGGBB, rows top first,
// transparent around the fish, which fills it as far as its shape allows);
// false when the game does not have the species or nothing could be drawn.
// The view's GL context must be current; its state is left as it was.
bool RenderSpeciesPortrait(CTankView& view, int species, int width, int height, std::vector<uint32_t>& argb);

// The Fish dialog's pictures come from this view from now on.
void InstallSpeciesPortraits(CTankView& view);
