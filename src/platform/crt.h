// The C library's pseudo-random generator as the game was written against:
// a 32-bit linear congruential generator whose state starts at 1, giving
// values 0..32767. The game never seeds it, so every run draws the same values.
#pragma once

namespace crt {

constexpr int kRandMax = 0x7FFF;

int rand();
void srand(unsigned int seed);
// The generator's state, for srand to put back (so that drawing done aside,
// such as a picture of a fish, leaves the game's sequence as it was).
unsigned int RandState();

}  // namespace crt
