// One two-sided comparison at several sample sizes, beside the same
// computation written with Boost.Math at long double, so that the ratio of
// the two is read from one run.
#include <benchmark/benchmark.h>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <cstdint>

#include "Comparison.h"

namespace {

// The worked example's scores: SD 10, Case A 50, Case B 30.
constexpr Extended Bench_SD = 10;
constexpr Extended Bench_case_A = 50;
constexpr Extended Bench_case_B = 30;

void BM_Compare_two_cases(benchmark::State& state)
{
    const auto N = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        Comparison_result result;
        Compare_two_cases(N, true, result, Bench_case_A, Bench_case_B, Bench_SD, 95);
        benchmark::DoNotOptimize(result);
    }
}

// The t tail, two chi-square quantiles (upper first) and two normal tails,
// as in Compare_two_cases, for a positive difference.
void BM_Boost_compare(benchmark::State& state)
{
    namespace bm = boost::math;
    const auto N = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        const Extended df = static_cast<Extended>(N) - 1;
        const bm::students_t_distribution<Extended> t(df);
        const bm::normal_distribution<Extended> normal(0, 1);
        const bm::chi_squared_distribution<Extended> chi_square(df);

        Comparison_result result;
        const Extended d = Bench_case_A - Bench_case_B;
        const Extended z = d / std::sqrt(Bench_SD * Bench_SD * 2);
        result.Df = df;
        result.Test_statistic = result.Effect_size = z;
        result.P_one_tailed = bm::cdf(bm::complement(t, z));
        result.P_two_tailed = 2 * result.P_one_tailed;
        result.Percent_estimate = 100 * result.P_one_tailed;
        const Extended q_hi = bm::quantile(chi_square, 0.975L);
        const Extended q_lo = bm::quantile(chi_square, 0.025L);
        const Extended D = Bench_SD * Bench_SD * static_cast<Extended>(2 * (std::int64_t{N} - 1));
        result.Effect_upper = std::sqrt(q_hi / D) * d;
        result.Effect_lower = std::sqrt(q_lo / D) * d;
        result.Percent_lower = 100 * bm::cdf(bm::complement(normal, result.Effect_upper));
        result.Percent_upper = 100 * bm::cdf(bm::complement(normal, result.Effect_lower));
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

BENCHMARK(BM_Compare_two_cases)->Arg(3)->Arg(20)->Arg(1000)->Arg(5000)->Arg(999999);
BENCHMARK(BM_Boost_compare)->Arg(3)->Arg(20)->Arg(1000)->Arg(5000)->Arg(999999);
