#include "Floating_point.h"
#include "distrib.h"

namespace {

// The flags where the library keeps them itself: the stand-in for the
// processor's status register, one per thread as that register is (a table
// computes its rows on several threads). Unused where the flags are the
// processor's.
[[maybe_unused]] thread_local int Library_flags = 0;

// Clears the flags raised in a scope and sets the caller's again.
void Restore(int caller_flags)
{
    Clear_flags(Error_flags);
    if (caller_flags != 0)
        Raise_flags(caller_flags);
}

// EFloating_point_error for the first of the raised error flags.
[[noreturn]] void Raise_for(int raised)
{
    if (raised & Invalid_flag)
        Raise_invalid_operation();
    if (raised & Division_by_zero_flag)
        throw EFloating_point_error("Floating point division by zero");
    throw EFloating_point_error("Floating point overflow");
}

// The flag that the computation of value raised, where the library keeps the
// flags: a NaN from it is an invalid operation, an infinity from finite
// operands an overflow.
void Note_value(Extended value, bool infinite_operand)
{
    Note_flag(Invalid_flag, [value] { return std::isnan(value); });
    Note_flag(Overflow_flag, [value, infinite_operand] { return std::isinf(value) && !infinite_operand; });
}

}  // namespace

int Raised_flags(int flags)
{
    if constexpr (Processor_status_flags)
        return std::fetestexcept(flags);
    else
        return Library_flags & flags;
}

void Clear_flags(int flags)
{
    if constexpr (Processor_status_flags)
        std::feclearexcept(flags);
    else
        Library_flags &= ~flags;
}

void Raise_flags(int flags)
{
    if constexpr (Processor_status_flags)
        std::feraiseexcept(flags);
    else
        Library_flags |= flags;
}

Floating_point_scope::Floating_point_scope() : Caller_flags(Raised_flags(Error_flags))
{
    if (Caller_flags != 0)
        Clear_flags(Error_flags);
}

void Floating_point_scope::Check()
{
    const int raised = Raised_flags(Error_flags);
    if (raised == 0) {
        if (Caller_flags != 0)
            Raise_flags(Caller_flags);
        return;
    }
    Restore(Caller_flags);
    Raise_for(raised);
}

bool Floating_point_scope::Nothing_raised() const { return Raised_flags(Error_flags) == 0; }

void Floating_point_scope::Check_so_far(Extended value) const
{
    Note_value(value, false);
    const int raised = Raised_flags(Error_flags);
    if (raised == 0)
        return;
    Clear_flags(Error_flags);
    Raise_for(raised);
}

Extended Floating_point_scope::Checked(Extended value, bool infinite_operand)
{
    Note_value(value, infinite_operand);
    Check();
    return value;
}

Extended Floating_point_scope::Value_or(Extended value, Extended on_failure)
{
    Note_value(value, false);
    const bool failed = Raised_flags(Error_flags) != 0;
    if (failed || Caller_flags != 0)
        Restore(Caller_flags);
    return failed ? on_failure : value;
}

void Raise_invalid_operation() { throw EFloating_point_error("Invalid floating point operation"); }
