// The C library's pseudo-random generator as the game was written against:
// a 32-bit linear congruential generator whose state starts at 1, giving
// values 0..32767. The game never seeds it, so every run draws the same values.
#pragma once

namespace crt {

constexpr int kRandMax = 0x7FFF;

int rand();
void srand(unsigned int seed);

}  // namespace crt
