// The numbers the tank is built on: how many species and plant kinds the
// settings count, and where their pictures lie among the built-in resources.
// The build reads this file too (res/resources.cmake): keep each number on a
// line of its own, in the form `constexpr int NAME = <decimal>;`.
#pragma once

constexpr int FISH_SPECIES_COUNT = 25;  // species 0 .. 24, keys Fish0 .. Fish24
constexpr int PLANT_KIND_COUNT = 17;    // plant kinds 0 .. 16, keys Plants0 .. Plants16
constexpr int MAX_FISH_COUNT = 50;      // fish of one species at most

// The picture of fish species k is resource FISH_TEXTURE_ID_BASE + k
// ("fish<k>.bmp"); plant picture k is PLANT_TEXTURE_ID_BASE + k ("cao<k>.bmp").
constexpr int FISH_TEXTURE_ID_BASE = 10000;
constexpr int PLANT_TEXTURE_ID_BASE = 2000;
constexpr int PLANT_TEXTURE_COUNT = 18;  // plant pictures 0 .. 17
