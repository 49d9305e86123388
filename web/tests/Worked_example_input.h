// The worked example (SD 10, N 20, cases 50 and 30) as the page passes it
// to "Compute", with the limits' radio item given.
#pragma once

#include "Page_compute.h"

inline Compute_input Worked_example(int limits_item = 0)
{
    Compute_input input;
    input.Texts = {"10", "20", "50", "30"};
    input.Limits_item = limits_item;
    return input;
}
