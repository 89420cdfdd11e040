// What crt::rand gives and how many values an operation takes from it.
#pragma once
#include "platform/crt.h"

#include <algorithm>
#include <functional>
#include <vector>

// The next n values from seed on; leaves the generator seeded at seed.
inline std::vector<int> RandFrom(unsigned seed, int n)
{
    crt::srand(seed);
    std::vector<int> values(n);
    for (int& v : values)
        v = crt::rand();
    crt::srand(seed);
    return values;
}

// The seed DrawsBy starts op from.
constexpr unsigned kTapeSeed = 4242;

// The number of values op draws (at most limit), or -1.
inline int DrawsBy(const std::function<void()>& op, int limit = 20000)
{
    constexpr int kProbe = 4;
    const std::vector<int> tape = RandFrom(kTapeSeed, limit + kProbe);
    op();
    std::vector<int> next(kProbe);
    for (int& v : next)
        v = crt::rand();
    for (int n = 0; n <= limit; ++n) {
        if (std::equal(next.begin(), next.end(), tape.begin() + n))
            return n;
    }
    return -1;
}
