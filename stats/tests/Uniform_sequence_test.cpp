// Runs in a process of its own: the generator must be at its start-up seeds.
#include "distrib.h"

#include <gtest/gtest.h>

TEST(Uniform_random, First_three_draws_from_the_start_up_seeds)
{
    const std::int32_t z[3] = {1120735397, 376398899, 248445365};
    for (std::int32_t expected : z)
        EXPECT_EQ(Uniform_random(), expected * 4.656613e-10L);
}
