// What a window that follows the comparisons needs of "Compute": after each
// comparison that was reported, the request as checked and every number of
// its result. The worksheet tells one listener (which may tell several); it
// does not know which window listens.
#pragma once

#include <vector>

#include "Comparison.h"

class Comparison_listener {
public:
    virtual ~Comparison_listener() = default;
    virtual void Comparison_made(const Comparison_request& request, const Comparison_result& result) = 0;
};

// One listener that tells several, in the order they were added; an error
// raised by one passes to the caller and the listeners after it are not told.
class Comparison_listeners : public Comparison_listener {
public:
    void Add(Comparison_listener& listener) { listeners_.push_back(&listener); }

    void Comparison_made(const Comparison_request& request, const Comparison_result& result) override
    {
        for (Comparison_listener* listener : listeners_)
            listener->Comparison_made(request, result);
    }

private:
    std::vector<Comparison_listener*> listeners_;
};
