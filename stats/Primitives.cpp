// Closeness, whole numbers, the text of a value and the argument checks.
#include "Decimal_digits.h"
#include "Floating_point.h"
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
    // Fixed point with twelve decimals, rounded, whatever the C locale.
    std::string text = Fixed_decimal_text(x, 12);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        const std::size_t last = text.find_last_not_of('0');
        text.erase(last == point ? point : last + 1);
    }
    if (text == "-0")
        return "0";
    if (point != std::string::npos && point < text.size())
        text[point] = Separator;
    return text;
}

void Raise_argument_error(std::int32_t n) { throw EArgumentError(Message_text(n)); }

void Raise_bound_error(std::int32_t n, Extended value, Extended bound)
{
    Check_number(value);
    Check_number(bound);
    throw EArgumentError(Message_text(n) + Float_text(bound));
}
