// Chi-square quantile and t distribution function, the library beside
// Boost.Math at long double.
#include "distrib.h"

#include <benchmark/benchmark.h>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/students_t.hpp>

namespace {

// The degrees of freedom of a comparison are N − 1; these are its typical and
// extreme sample sizes.
void Degrees_of_freedom(benchmark::internal::Benchmark* b)
{
    for (int k : {2, 19, 999, 4999, 999998})
        b->Arg(k);
}

void BM_Chi_square_quantile(benchmark::State& state)
{
    const tChi_square_distribution chi_square(static_cast<Extended>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(chi_square.Quantile(0.025L));
        benchmark::DoNotOptimize(chi_square.Quantile(0.975L));
    }
}
BENCHMARK(BM_Chi_square_quantile)->Apply(Degrees_of_freedom);

void BM_Boost_chi_square_quantile(benchmark::State& state)
{
    const boost::math::chi_squared_distribution<Extended> chi_square(static_cast<Extended>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(boost::math::quantile(chi_square, 0.025L));
        benchmark::DoNotOptimize(boost::math::quantile(chi_square, 0.975L));
    }
}
BENCHMARK(BM_Boost_chi_square_quantile)->Apply(Degrees_of_freedom);

void BM_T_cdf(benchmark::State& state)
{
    const tT_distribution t(static_cast<Extended>(state.range(0)));
    Extended x = 1.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.Cdf(x));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_T_cdf)->Apply(Degrees_of_freedom);

void BM_Boost_t_cdf(benchmark::State& state)
{
    const boost::math::students_t_distribution<Extended> t(static_cast<Extended>(state.range(0)));
    Extended x = 1.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(boost::math::cdf(t, x));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Boost_t_cdf)->Apply(Degrees_of_freedom);

}  // namespace
