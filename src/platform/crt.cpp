#include "platform/crt.h"

#include <cstdint>

namespace crt {
namespace {
uint32_t g_state = 1;
}

int rand()
{
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

void srand(unsigned int seed) { g_state = seed; }

unsigned int RandState() { return g_state; }

}  // namespace crt
