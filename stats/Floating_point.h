// Floating-point error detection for the library (internal header).
//
// The library does not rely on hardware traps. Each public operation opens a
// Floating_point_scope: it notes the status flags the caller left set and
// clears them, and before the operation returns it tests the flags for
// invalid operation, division by zero and overflow, raising
// EFloating_point_error for the first one found. Underflow and inexact results
// stay silent. When nothing was raised, the caller's flags are put back, so a
// scope nested inside another operation hides nothing from the outer scope.
//
// The result passes through Checked(), a function compiled in its own unit,
// so the compiler must finish the arithmetic before the flags are read.
//
// The flags are the processor's where it keeps them (x86-64). WebAssembly has
// none: its arithmetic gives the IEEE results (NaN, infinities) and records
// nothing. There the library keeps the three flags itself and raises them by
// explicit checks, so that the same inputs give the same errors: a scope
// notes the value it checks (a NaN is an invalid operation, an infinity from
// finite operands an overflow), and the few steps whose error leaves no trace
// in the value note it where they happen (Note_flag). Where the flags are the
// processor's, every note is compiled away and the arithmetic is untouched.
#pragma once

#include "Extended.h"

#include <cfenv>
#include <cmath>

#if defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
inline constexpr bool Processor_status_flags = true;
inline constexpr int Invalid_flag = FE_INVALID;
inline constexpr int Division_by_zero_flag = FE_DIVBYZERO;
inline constexpr int Overflow_flag = FE_OVERFLOW;
#else
inline constexpr bool Processor_status_flags = false;
inline constexpr int Invalid_flag = 1;
inline constexpr int Division_by_zero_flag = 2;
inline constexpr int Overflow_flag = 4;
#endif
inline constexpr int Error_flags = Invalid_flag | Division_by_zero_flag | Overflow_flag;

// Those of `flags` (of Error_flags) that are raised; clearing and raising them.
int Raised_flags(int flags);
void Clear_flags(int flags);
void Raise_flags(int flags);

// Where the library keeps the flags itself: raises `flag` when happened()
// holds. Where they are the processor's, the arithmetic has raised it, and
// happened is not even called.
template <typename Condition>
void Note_flag(int flag, Condition happened)
{
    if constexpr (!Processor_status_flags) {
        if (happened())
            Raise_flags(flag);
    }
}

class Floating_point_scope {
public:
    Floating_point_scope();
    Floating_point_scope(const Floating_point_scope&) = delete;
    Floating_point_scope& operator=(const Floating_point_scope&) = delete;

    // Raises EFloating_point_error when an error flag was raised in the scope;
    // otherwise restores the caller's flags and returns value. Where the
    // library keeps the flags, value is noted first: a NaN is an invalid
    // operation, an infinity an overflow unless an operand of the
    // computation was infinite already (infinite_operand).
    Extended Checked(Extended value, bool infinite_operand = false);
    void Check();

    // Whether no error flag has been raised in the scope so far.
    bool Nothing_raised() const;
    // Raises EFloating_point_error, as Check does, when an error flag has been
    // raised in the scope so far (clearing it first); otherwise the scope
    // goes on as it is. The value evaluated last is noted first, as Checked
    // notes its value.
    void Check_so_far(Extended value) const;

    // value, or on_failure when an error flag was raised in the scope (the
    // incomplete beta function's rule; value is noted first, as Checked
    // notes it); clears the flags raised and restores the caller's either
    // way.
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
    const Extended value = function(arguments...);
    return scope.Checked(value, (std::isinf(static_cast<Extended>(arguments)) || ...));
}
