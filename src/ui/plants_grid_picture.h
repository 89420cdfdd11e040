// The Plants grid's page picture: the plant kinds the game draws as water
// cells, the kinds whose plant is not built yet marked as not in the game.
#pragma once

// Whether the game draws plant kind k: the kind table has a row for it with
// a draw call, or with a display list that a scenery class fills.
bool PlantKindDraws(int kind);

// Registers bitmap IDB_PLANTS_PAGE0 from the kind table as it is now.
void RegisterPlantsGridPicture();
