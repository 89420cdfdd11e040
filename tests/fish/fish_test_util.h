// Helpers of the fish tests.
#pragma once
#include "fish/fish_model.h"
#include "platform/crt.h"

#include <functional>

// How many crt::rand() values `op` draws: the values that follow it are found
// in a fresh sequence of the same seed.
inline int RandDraws(const std::function<void()>& op, unsigned seed = 1)
{
    crt::srand(seed);
    op();
    const int a = crt::rand(), b = crt::rand();
    crt::srand(seed);
    int previous = crt::rand();
    for (int n = 0; n < 100000; ++n) {
        const int current = crt::rand();
        if (previous == a && current == b)
            return n;
        previous = current;
    }
    return -1;
}

// The i-th value (0 first) of the sequence started by srand(seed).
inline int RandValue(int i, unsigned seed = 1)
{
    crt::srand(seed);
    for (int k = 0; k < i; ++k)
        crt::rand();
    return crt::rand();
}
