// The fixed-point text of an extended value (the %.Pf pattern), correctly
// rounded from the exact binary value, ties to even, with a full stop
// whatever the C locale: "-0.500", "inf", "nan". What std::to_chars gives
// for long double where the standard library has it; written through a
// stream in the classic locale, which every standard library offers for
// long double (the C library's printf in the "C" locale underneath).
#pragma once

#include <string>

#include "distrib.h"

std::string Fixed_text(Extended value, int decimals);
