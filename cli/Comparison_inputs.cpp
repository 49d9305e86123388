#include "Comparison_inputs.h"

#include "Metrics_Papers.h"
#include "Program_strings.h"

std::optional<Comparison_inputs> Read_comparison_inputs(Platform& platform,
                                                         const Comparison_texts& texts)
{
    const std::string sd_caption(Input_captions[0]);
    const std::string n_caption(Input_captions[1]);
    Comparison_inputs inputs;

    inputs.Sd = Read_numeric_input(platform, texts.Sd, sd_caption);
    if (Input_error || !Check_positive_sd(platform, sd_caption, inputs.Sd))
        return std::nullopt;

    const double n = Read_numeric_input(platform, texts.N, n_caption);
    if (Input_error || !Check_sample_size(platform, n_caption, n))
        return std::nullopt;
    inputs.N = static_cast<std::int32_t>(n);  // exact: the check bounds N

    inputs.Case_a = Read_numeric_input(platform, texts.Case_a, std::string(Input_captions[2]));
    if (Input_error)
        return std::nullopt;
    inputs.Case_b = Read_numeric_input(platform, texts.Case_b, std::string(Input_captions[3]));
    if (Input_error)
        return std::nullopt;
    return inputs;
}

std::optional<int> Limits_choice(std::string_view name)
{
    if (name == "two-sided")
        return 0;
    if (name == "lower")
        return 1;
    if (name == "upper")
        return 2;
    return std::nullopt;
}
