#include "Floating_point.h"

namespace {

// Clears the flags raised in a scope and sets the caller's again.
void Restore(int caller_flags)
{
    std::feclearexcept(Error_flags);
    if (caller_flags != 0)
        std::feraiseexcept(caller_flags);
}

// Floating_point_error for the first of the raised error flags.
[[noreturn]] void Raise_for(int raised)
{
    if (raised & FE_INVALID)
        Raise_invalid_operation();
    if (raised & FE_DIVBYZERO)
        throw Floating_point_error("Floating point division by zero");
    throw Floating_point_error("Floating point overflow");
}

}  // namespace

Floating_point_scope::Floating_point_scope() : Caller_flags(std::fetestexcept(Error_flags))
{
    if (Caller_flags != 0)
        std::feclearexcept(Error_flags);
}

void Floating_point_scope::Check()
{
    const int raised = std::fetestexcept(Error_flags);
    if (raised == 0) {
        if (Caller_flags != 0)
            std::feraiseexcept(Caller_flags);
        return;
    }
    Restore(Caller_flags);
    Raise_for(raised);
}

bool Floating_point_scope::Nothing_raised() const { return std::fetestexcept(Error_flags) == 0; }

void Floating_point_scope::Check_so_far() const
{
    const int raised = std::fetestexcept(Error_flags);
    if (raised == 0)
        return;
    std::feclearexcept(Error_flags);
    Raise_for(raised);
}

Extended Floating_point_scope::Checked(Extended value)
{
    Check();
    return value;
}

Extended Floating_point_scope::Value_or(Extended value, Extended on_failure)
{
    const bool failed = std::fetestexcept(Error_flags) != 0;
    if (failed || Caller_flags != 0)
        Restore(Caller_flags);
    return failed ? on_failure : value;
}

void Raise_invalid_operation() { throw Floating_point_error("Invalid floating point operation"); }
