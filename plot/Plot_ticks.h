// Round tick values for an axis: multiples of a step that is 1, 2 or 5 times
// a power of ten, so that the labels read 0, 0.2, 0.4 or -20, 0, 20.
#pragma once

#include <vector>

// The smallest round step (1, 2 or 5 times a power of ten) that divides span
// into at most target_count intervals. span > 0 and finite, target_count >= 1;
// otherwise std::invalid_argument.
double Round_step(double span, int target_count);

struct Tick_values {
    double Step = 0;
    std::vector<double> Values;  // ascending, every multiple of Step in the range
    int Decimals = 0;            // decimals that show every value exactly
};

// The multiples of Round_step(high - low, target_count) that lie in
// [low, high] (ends included to a small relative tolerance). Each value is
// formed as an integer times the step, so 0 is exactly 0 and no error
// accumulates from one tick to the next.
Tick_values Round_ticks(double low, double high, int target_count);
