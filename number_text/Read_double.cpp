#include "Read_double.h"

#include <locale>
#include <sstream>
#include <string>
#include <system_error>

#if defined(__cpp_lib_to_chars)

std::from_chars_result Read_double(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value);
}

#else

namespace {

const char* Skip_digits(const char* p, const char* last)
{
    while (p != last && *p >= '0' && *p <= '9')
        ++p;
    return p;
}

}  // namespace

std::from_chars_result Read_double(const char* first, const char* last, double& value)
{
    const char* p = first;
    if (p != last && *p == '-')
        ++p;
    const char* const digits = p;
    p = Skip_digits(p, last);
    bool any_digit = p != digits;
    if (p != last && *p == '.') {
        const char* const fraction = p + 1;
        const char* const fraction_end = Skip_digits(fraction, last);
        if (any_digit || fraction_end != fraction)
            p = fraction_end;
        any_digit = any_digit || fraction_end != fraction;
    }
    if (!any_digit)
        return {first, std::errc::invalid_argument};
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* exponent = p + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        const char* const exponent_end = Skip_digits(exponent, last);
        if (exponent_end != exponent)
            p = exponent_end;
    }
    std::istringstream in(std::string(first, p));
    in.imbue(std::locale::classic());
    double read = 0;
    in >> read;
    // The stream fails on a number that strtod reports out of range.
    if (in.fail())
        return {p, std::errc::result_out_of_range};
    value = read;
    return {p, std::errc()};
}

#endif
