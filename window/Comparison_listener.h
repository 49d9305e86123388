// What a window that follows the comparisons needs of "Compute": after each
// comparison that was reported, the request as checked and every number of
// its result. The worksheet tells one listener; it does not know which
// window listens.
#pragma once

#include "Comparison.h"

class Comparison_listener {
public:
    virtual ~Comparison_listener() = default;
    virtual void Comparison_made(const Comparison_request& request, const Comparison_result& result) = 0;
};
