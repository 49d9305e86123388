// The summary of one comparison beside the comparison itself: composing the
// sentences and the statistics line from the result should cost about a
// tenth of computing it or less. The comparison runs on the worked example's
// scores (SD 10, Case A 50, Case B 30, two-sided) at the sample sizes of
// bench_compare.cpp, whose cost grows with N; the summary of the worked
// example (N 20) in every language.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "Summary.h"

namespace {

Comparison_request Worked_example()
{
    Comparison_request request;
    request.SD = 10;
    request.N = 20;
    request.Case_A = 50;
    request.Case_B = 30;
    return request;
}

void BM_Summary_comparison(benchmark::State& state)
{
    Comparison_request request = Worked_example();
    request.N = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Compare_two_cases(request));
}

void BM_Summary_composition(benchmark::State& state)
{
    const Comparison_request request = Worked_example();
    const Comparison_result result = Compare_two_cases(request);
    const auto language = Summary_languages[static_cast<std::size_t>(state.range(0))].Language;
    for (auto _ : state)
        benchmark::DoNotOptimize(Compose_summary(request, result, language));
    state.SetLabel(std::string(Words_of(language).Word));
}

}  // namespace

BENCHMARK(BM_Summary_comparison)->Arg(3)->Arg(20)->Arg(1000)->Arg(5000)->Arg(999999);
BENCHMARK(BM_Summary_composition)->DenseRange(0, static_cast<int>(Summary_languages.size()) - 1);
