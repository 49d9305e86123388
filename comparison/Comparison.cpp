// Bayesian comparison of two single cases (Case A, Case B) against a control
// sample of N with standard deviation SD.
//
// The difference between the scores of two controls drawn at random has
// variance 2 sigma^2, so the standardised difference of the cases is
//     z = d / sqrt(2 SD^2),   d = A - B.
// With the controls' sample variance s^2 on N - 1 degrees of freedom, the
// posterior probability that a pair of controls shows a larger difference in
// the direction of d equals the t tail beyond z on N - 1 df.
//
// Credible limits on the effect size delta = d / sqrt(2 sigma^2): under the
// non-informative prior the posterior of sigma^2 is (N - 1) s^2 / chi^2(N - 1),
// hence
//     delta = z sqrt(chi^2 / (N - 1)) = d sqrt(chi^2 / (2 (N - 1) SD^2)),
// and the chi-square quantiles q_lo < q_hi map to the limits z_lo, z_hi
// monotonically. The percentage of pairs of controls with a larger difference
// in the same direction is 100 (1 - Phi(delta)) for d >= 0 (Phi(delta) for
// d < 0), so its limits come from Phi at z_hi and z_lo. Every tail is taken
// directly (Upper_tail), never as 1 minus the distribution function, so
// that small probabilities keep their digits.
#include "Comparison.h"
#include "Comparison_memo.h"

#include <cmath>
#include <optional>

namespace {

// The comparison's arithmetic, given its distributions: the t on N − 1 df,
// the standard normal, and the two chi-square quantiles when they are known,
// otherwise the chi-square on N − 1 df to search them in (then kept in memo,
// when there is one). result.Df is set.
void Compare_with(std::int32_t N, bool Two_sided, Comparison_result& result, Extended Case_A, Extended Case_B,
                  Extended SD, Extended Level, const tT_distribution& t, const tNormal_distribution& normal,
                  std::optional<Credible_quantile_memo::Quantiles> quantiles,
                  const tChi_square_distribution* chi_square, Credible_quantile_memo* memo)
{
    const Extended d = Case_A - Case_B;
    result.Raw_difference = d;
    result.Sd_difference = std::sqrt(SD * SD * 2.0L);
    const Extended z = d / result.Sd_difference;
    result.Test_statistic = z;
    result.Effect_size = z;

    // z = 0 belongs to the upper branch, giving exactly 1 - T(0) = 0.5. The
    // upper tail is taken as T(-z), not as 1 - T(z), whose cancellation would
    // lose the digits of a small p; exchanging the cases gives the same p.
    const Extended p = z >= 0 ? t.Upper_tail(z) : t.Cdf(z);
    result.P_one_tailed = p;
    result.P_two_tailed = 2.0L * p;
    result.Percent_estimate = 100.0L * p;

    if (!quantiles) {
        const Extended L = Level / 100.0L;
        const Extended upper_probability = Two_sided ? L + (1.0L - L) / 2.0L : L;
        const Extended lower_probability = Two_sided ? (1.0L - L) / 2.0L : 1.0L - L;
        const auto [q_hi, q_lo] = chi_square->Quantiles(upper_probability, lower_probability);
        quantiles = {q_lo, q_hi};
        if (memo)
            memo->Keep(N, Two_sided, Level, *quantiles);
    }
    const Extended q_hi = quantiles->Upper;
    const Extended q_lo = quantiles->Lower;

    // 2 (N - 1) in 64-bit integers: exact for every 32-bit N.
    const std::int64_t twice_df = 2 * (static_cast<std::int64_t>(N) - 1);
    const Extended D = SD * SD * static_cast<Extended>(twice_df);
    const Extended z_hi = std::sqrt(q_hi / D) * d;
    const Extended z_lo = std::sqrt(q_lo / D) * d;

    // |z_hi| >= |z_lo| on the side of d; d = 0 takes the first branch.
    if (d >= 0) {
        result.Percent_lower = normal.Upper_tail(z_hi) * 100.0L;
        result.Percent_upper = normal.Upper_tail(z_lo) * 100.0L;
        result.Effect_lower = z_lo;
        result.Effect_upper = z_hi;
    } else {
        result.Percent_lower = normal.Cdf(z_hi) * 100.0L;
        result.Percent_upper = normal.Cdf(z_lo) * 100.0L;
        result.Effect_lower = z_hi;
        result.Effect_upper = z_lo;
    }
}

}  // namespace

void Compare_two_cases(std::int32_t N, bool Two_sided, Comparison_result& result,
                       Extended Case_A, Extended Case_B, Extended SD, Extended Level)
{
    result.Df = Degrees_of_freedom(N);

    // Created in the order t, normal, chi-square and released in the same
    // order: locals are destroyed in reverse order of declaration, so the
    // holders are declared backwards and filled forwards. This holds on every
    // path out, exceptions included. The objects live in this frame, not on
    // the heap.
    std::optional<tChi_square_distribution> chi_square;
    std::optional<tNormal_distribution> normal;
    std::optional<tT_distribution> t;
    t.emplace(result.Df);
    normal.emplace(0.0L, 1.0L);
    chi_square.emplace(result.Df);
    Compare_with(N, Two_sided, result, Case_A, Case_B, SD, Level, *t, *normal, std::nullopt, &*chi_square, nullptr);
}

Comparison_result Compare_two_cases(const Comparison_request& request)
{
    Comparison_result result;
    Compare_two_cases(request.N, request.Limits_kind == Limits::Two_sided, result, request.Case_A,
                      request.Case_B, request.SD, request.Level);
    return result;
}

// The distributions come from memo in the same order, t and normal, and the
// chi-square is created only when memo lacks the quantiles.
Comparison_result Compare_two_cases(const Comparison_request& request, Comparison_memo& memo)
{
    Comparison_result result;
    result.Df = Degrees_of_freedom(request.N);
    const bool two_sided = request.Limits_kind == Limits::Two_sided;
    const tT_distribution& t = memo.T_distribution(request.N);
    const tNormal_distribution& normal = memo.Standard_normal();
    const auto quantiles = memo.Quantiles.Find(request.N, two_sided, request.Level);
    std::optional<tChi_square_distribution> chi_square;
    if (!quantiles)
        chi_square.emplace(result.Df);
    Compare_with(request.N, two_sided, result, request.Case_A, request.Case_B, request.SD, request.Level, t, normal,
                 quantiles, chi_square ? &*chi_square : nullptr, &memo.Quantiles);
    return result;
}
