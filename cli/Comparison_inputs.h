// The four inputs of one comparison as texts, read and checked as the
// worksheet's "Compute" does it, and the names of the credible-limit choices.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Platform.h"

struct Comparison_texts {
    std::string Sd;
    std::string N;
    std::string Case_a;
    std::string Case_b;
};

struct Comparison_inputs {
    double Sd = 0;
    std::int32_t N = 0;
    double Case_a = 0;
    double Case_b = 0;
};

// Reads SD, N, Case A and Case B in that order with the worksheet's captions:
// the numeric reader for each, the SD check after SD and the sample-size
// check after N. The first refusal warns through the platform and gives no
// value; the inputs after it are not looked at.
std::optional<Comparison_inputs> Read_comparison_inputs(Platform& platform,
                                                         const Comparison_texts& texts);

// The radio item index of "two-sided", "lower" and "upper" (0, 1, 2); empty
// for any other name.
std::optional<int> Limits_choice(std::string_view name);

// The three names, for messages.
inline constexpr std::string_view Limits_names = "two-sided|lower|upper";
