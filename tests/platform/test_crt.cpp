#include "platform/crt.h"

#include <gtest/gtest.h>

TEST(CrtRand, UnseededSequenceIsTheOriginalPlatformOne)
{
    crt::srand(1);
    // state = state * 214013 + 2531011, value = (state >> 16) & 0x7FFF, from 1
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int v : expected)
        EXPECT_EQ(crt::rand(), v);
}

TEST(CrtRand, SrandRestartsAndValuesStayInRange)
{
    crt::srand(12345);
    const int first = crt::rand();
    for (int i = 0; i < 100000; ++i) {
        const int v = crt::rand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, crt::kRandMax);
    }
    crt::srand(12345);
    EXPECT_EQ(crt::rand(), first);
}
