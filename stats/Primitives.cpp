// Closeness, whole numbers, the text of a value and the argument checks.
#include "Floating_point.h"
#include "Number_format.h"
#include "Raw_functions.h"
#include "distrib.h"

#include <cmath>

namespace {

// The decimal separator of Float_text, set once from the user's locale.
char Separator = '.';

}  // namespace

// Without a scope of its own: inside the library the difference cannot raise
// a floating-point error (a NaN is refused first, and no caller passes two
// infinities of one sign or two values beyond half the range), so the
// enclosing operation's scope is enough.
bool raw::Same_value(Extended a, Extended b)
{
    Check_number(a);
    Check_number(b);
    return std::fabs(a - b) < Closeness_tolerance;
}

bool Same_value(Extended a, Extended b)
{
    Check_number(a);
    Check_number(b);
    Floating_point_scope scope;
    const Extended distance = std::fabs(a - b);
    scope.Checked(distance, std::isinf(a) || std::isinf(b));
    return distance < Closeness_tolerance;
}

bool Is_whole_number(Extended x)
{
    Check_number(x);
    if (!(std::fabs(x) < Integer_range_limit))
        return false;
    // Nearest integer, ties to even (the default rounding mode).
    const auto nearest = static_cast<Extended>(std::llrint(x));
    return Same_value(x, nearest);
}

void Set_decimal_separator(char separator) { Separator = separator; }

char Decimal_separator() { return Separator; }

std::string Float_text(Extended x)
{
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x > 0 ? "INF" : "-INF";
    // "0.############": twelve decimals, rounded, without their trailing
    // zeros; a value that rounds to zero has no sign.
    const std::string text = Format_trimmed(x, 12, Separator);
    return text == "-0" ? "0" : text;
}

void Raise_argument_error(std::int32_t n) { throw EArgumentError(Message_text(n)); }

void Raise_bound_error(std::int32_t n, Extended value, Extended bound)
{
    Check_number(value);
    Check_number(bound);
    throw EArgumentError(Message_text(n) + Float_text(bound));
}
