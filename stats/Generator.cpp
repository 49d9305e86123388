// The uniform generator: L'Ecuyer's (1988) combination of two multiplicative
// congruential generators, m1 = 2147483563, a1 = 40014 and m2 = 2147483399,
// a2 = 40692, each stepped in Schrage's form a·s mod m = a·(s mod q) − r·(s div q)
// with q = m div a and r = m mod a, so that no product leaves 32 bits. No
// shuffle table. The seeds are set before the program starts, so every run
// draws the same sequence.
#include "distrib.h"

namespace {

std::int32_t Seed_1 = 897183450;
std::int32_t Seed_2 = 1841323562;

}  // namespace

Extended Uniform_random()
{
    std::int32_t k = Seed_1 / 53668;
    Seed_1 = 40014 * (Seed_1 - k * 53668) - k * 12211;
    if (Seed_1 < 0)
        Seed_1 += 2147483563;
    k = Seed_2 / 52774;
    Seed_2 = 40692 * (Seed_2 - k * 52774) - k * 3791;
    if (Seed_2 < 0)
        Seed_2 += 2147483399;
    std::int32_t z = Seed_1 - Seed_2;
    if (z < 1)
        z += 2147483562;
    return z * 4.656613e-10L;
}
