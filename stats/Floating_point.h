// Floating-point error detection for the library (internal header).
//
// The library does not rely on hardware traps. Each public operation opens a
// Floating_point_scope: it notes the status flags the caller left set and
// clears them, and before the operation returns it tests the flags for
// invalid operation, division by zero and overflow, raising
// Floating_point_error for the first one found. Underflow and inexact results
// stay silent. When nothing was raised, the caller's flags are put back, so a
// scope nested inside another operation hides nothing from the outer scope.
//
// The result passes through Checked(), a function compiled in its own unit,
// so the compiler must finish the arithmetic before the flags are read.
#pragma once

#include "distrib.h"

#include <cfenv>
#include <cmath>

inline constexpr int Error_flags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

class Floating_point_scope {
public:
    Floating_point_scope();
    Floating_point_scope(const Floating_point_scope&) = delete;
    Floating_point_scope& operator=(const Floating_point_scope&) = delete;

    // Raises Floating_point_error when an error flag was raised in the scope;
    // otherwise restores the caller's flags and returns value.
    Extended Checked(Extended value);
    void Check();

    // Whether no error flag has been raised in the scope so far.
    bool Nothing_raised() const;
    // Raises Floating_point_error, as Check does, when an error flag has been
    // raised in the scope so far (clearing it first); otherwise the scope
    // goes on as it is.
    void Check_so_far() const;

    // value, or on_failure when an error flag was raised in the scope (the
    // incomplete beta function's rule); clears the flags raised and restores
    // the caller's either way.
    Extended Value_or(Extended value, Extended on_failure);

private:
    int Caller_flags;
};

[[noreturn]] void Raise_invalid_operation();

// A NaN operand of a comparison is an invalid operation. So are the 80-bit
// encodings that the processor no longer supports (unnormals, pseudo-NaNs and
// pseudo-infinities), which compare unordered like a NaN; the test is the
// comparison itself, because a classification of the bits (what std::isnan
// becomes under clang with trapping math) takes them for ordinary numbers.
inline void Check_number(Extended x)
{
    if (std::isunordered(x, x))
        Raise_invalid_operation();
}

// A public function: the raw computation inside its own scope.
template <typename Function, typename... Arguments>
Extended Guarded(Function function, Arguments... arguments)
{
    Floating_point_scope scope;
    return scope.Checked(function(arguments...));
}
