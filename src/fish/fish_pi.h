// Fractions of pi as the fish classes store them: wave numbers and phase
// steps are single-precision values in one of three spellings, and a class
// keeps the one its description gives, to the bit.
//   fishpi::kPi12            the float one step below the float nearest pi / 12
//                            (0.26179937; most classes store these)
//   fishpi::rounded::kPi12   the seven-digit decimal some classes write
//                            (0.2617994), which may differ in the last bits
//   fishpi::Nearest(12)      the float nearest pi / 12
#pragma once
#include <bit>
#include <cstdint>

namespace fishpi {

inline constexpr double kPi = 3.14159265358979323846;

constexpr float Nearest(int n) { return static_cast<float>(kPi / n); }
constexpr float Below(int n) { return std::bit_cast<float>(std::bit_cast<uint32_t>(Nearest(n)) - 1u); }

inline constexpr float kPi2 = Below(2), kPi4 = Below(4), kPi5 = Below(5), kPi6 = Below(6), kPi8 = Below(8);
inline constexpr float kPi10 = Below(10), kPi12 = Below(12), kPi16 = Below(16), kPi20 = Below(20);
inline constexpr float kPi24 = Below(24), kPi32 = Below(32);

namespace rounded {
inline constexpr float kPi2 = 1.570796f, kPi4 = 0.7853981f, kPi5 = 0.6283185f, kPi6 = 0.5235987f;
inline constexpr float kPi8 = 0.3926991f, kPi10 = 0.3141592f, kPi12 = 0.2617994f, kPi16 = 0.1963495f;
inline constexpr float kPi20 = 0.1570796f, kPi24 = 0.1308997f, kPi32 = 0.0981748f;

// pi / n in this spelling (n one of the fractions above).
constexpr float Of(int n)
{
    switch (n) {
    case 2: return kPi2;
    case 4: return kPi4;
    case 5: return kPi5;
    case 6: return kPi6;
    case 8: return kPi8;
    case 10: return kPi10;
    case 12: return kPi12;
    case 16: return kPi16;
    case 20: return kPi20;
    case 24: return kPi24;
    case 32: return kPi32;
    default: throw "no rounded decimal of this fraction of pi";
    }
}
}  // namespace rounded

}  // namespace fishpi
