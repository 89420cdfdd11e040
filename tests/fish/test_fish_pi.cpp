// The fractions of pi the fish classes store: the float one step below the
// float nearest pi / n, the float nearest it, and the seven-digit decimals.
#include "fish/fish_pi.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FishPi, EachSpellingIsTheFloatItsRuleGives)
{
    const double pi = std::acos(-1.0);
    struct Case {
        int n;
        float below, rounded;
    } cases[] = {
        {2, fishpi::kPi2, fishpi::rounded::kPi2},    {4, fishpi::kPi4, fishpi::rounded::kPi4},
        {5, fishpi::kPi5, fishpi::rounded::kPi5},    {6, fishpi::kPi6, fishpi::rounded::kPi6},
        {8, fishpi::kPi8, fishpi::rounded::kPi8},    {10, fishpi::kPi10, fishpi::rounded::kPi10},
        {12, fishpi::kPi12, fishpi::rounded::kPi12}, {16, fishpi::kPi16, fishpi::rounded::kPi16},
        {20, fishpi::kPi20, fishpi::rounded::kPi20}, {24, fishpi::kPi24, fishpi::rounded::kPi24},
        {32, fishpi::kPi32, fishpi::rounded::kPi32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        const float nearest = static_cast<float>(pi / c.n);
        EXPECT_EQ(fishpi::Nearest(c.n), nearest);
        EXPECT_EQ(c.below, std::nextafter(nearest, 0.0f));
        EXPECT_EQ(fishpi::rounded::Of(c.n), c.rounded);
        // A short decimal of pi / n: off by a few units of its seventh digit at most.
        EXPECT_NEAR(c.rounded, pi / c.n, 5e-7 * pi / c.n);
        char text[32];
        std::snprintf(text, sizeof text, "%.7g", double(c.rounded));
        EXPECT_EQ(std::stof(text), c.rounded) << text;
    }
    // Two spellings that are not the same float.
    EXPECT_NE(fishpi::kPi6, fishpi::rounded::kPi6);
    EXPECT_NE(fishpi::kPi16, fishpi::rounded::kPi16);
}

}  // namespace
