// distrib: special functions, the uniform generator and the probability
// distributions on which every statistic of the program rests.
//
// All arithmetic is 80-bit extended (long double with a 64-bit significand;
// wider where the platform has no extended format, see Extended.h).
// The value 2147483647 (2^31 - 1) stands for infinity in the supports of the
// distributions and bounds their parameters; 5e-12 is the absolute closeness
// and stopping tolerance.
//
// Layers: the free functions (closeness, checks, powers, log-gamma, incomplete
// gamma and beta, generator) are the base; the class tree tDistribution ->
// tContinuous_distribution -> {normal, gamma -> chi-square, t} is written on top
// of them. The only state is the generator's two seeds and the decimal
// separator of Float_text, which the program sets once from the user's locale.
//
// Errors: argument checks raise EArgumentError; invalid operation, division by
// zero and overflow are detected from the floating-point status flags (the
// library's own record of them where the platform has none) and raised as
// EFloating_point_error (hardware traps are not used; a NaN compared
// by a check or a distribution counts as an invalid operation); an iteration
// that reaches its pass limit, or a quantile whose probability is not reached
// inside the support, raises EConvergence_error.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "Extended.h"

inline constexpr Extended Closeness_tolerance = 5e-12L;
inline constexpr Extended Integer_range_limit = 2147483647.0L;

// The library's argument error, carrying one message.
class EArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Invalid operation, division by zero or overflow during a computation.
class EFloating_point_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An iteration without convergence, or a target probability that the
// distribution function does not reach inside the support.
class EConvergence_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// ---- Numeric primitives -------------------------------------------------

bool Same_value(Extended a, Extended b);
bool Is_whole_number(Extended x);

// The decimal separator of Float_text (and so of Check_bound's messages).
// The program sets it once at start-up from the user's locale; default '.'.
void Set_decimal_separator(char separator);
char Decimal_separator();

// Pattern "0.############" with the decimal separator above.
std::string Float_text(Extended x);

// Text of a message number (empty for a number without a text).
std::string Message_text(std::int32_t n);

// The checks of arguments and parameters, inline, so that the relation of a
// constant message number is a single comparison; their errors are raised
// out of line. Check_argument raises message n when `fails`. Check_bound
// raises an invalid operation for a NaN value or bound (the value's first),
// otherwise message n followed by the bound when the relation that n selects
// fails: 1301, 1305, 1309 value > bound; 1302, 1306, 1310 value >= bound;
// 1303, 1307, 1311 value < bound; 1315 value <= bound; any other number
// selects no relation.
[[noreturn]] void Raise_argument_error(std::int32_t n);
[[noreturn]] void Raise_bound_error(std::int32_t n, Extended value, Extended bound);

inline bool Check_argument(bool fails, std::int32_t n)
{
    if (fails)
        Raise_argument_error(n);
    return true;
}

inline bool Check_bound(std::int32_t n, Extended value, Extended bound)
{
    const auto holds = [&] {
        switch (n) {
        case 1301: case 1305: case 1309: return value > bound;
        case 1302: case 1306: case 1310: return value >= bound;
        case 1303: case 1307: case 1311: return value < bound;
        case 1315: return value <= bound;
        default: return true;
        }
    };
    if (std::isunordered(value, bound) || !holds())
        Raise_bound_error(n, value, bound);
    return true;
}

Extended Integer_power(Extended x, std::int32_t n);
Extended Real_power(Extended base, Extended exponent);

// ---- Special functions ---------------------------------------------------

Extended Ln_gamma(Extended x);
Extended Gamma_series(Extended x, Extended a);
Extended Gamma_cont_fraction(Extended x, Extended a);
Extended Incomplete_gamma(Extended x, Extended a);
Extended Beta_cont_fraction(Extended x, Extended a, Extended b);
Extended Incomplete_beta(Extended x, Extended a, Extended b);

// ---- Uniform generator ----------------------------------------------------

// Combined multiplicative congruential generator; a value strictly in (0, 1).
Extended Uniform_random();

// ---- Distributions ----------------------------------------------------------

struct Parameter_spec {
    Extended Value = 0;
    bool Whole = false;
    Extended Lower_limit = 0;
    Extended Upper_limit = 0;
};

// Root of the distribution classes: up to three checked parameters and the
// support [Support_lower, Support_upper]. The thirteen virtual operations are
// declared in slot order.
class tDistribution {
public:
    virtual ~tDistribution() = default;
    tDistribution(const tDistribution&) = delete;
    tDistribution& operator=(const tDistribution&) = delete;

    virtual bool Set_parameters(Extended p1, Extended p2, Extended p3);
    virtual bool In_support(Extended x) const;
    virtual Extended Density(Extended x) const;
    virtual Extended Point_probability(Extended x) const;
    virtual Extended Cdf(Extended x) const;
    virtual Extended Interval_probability(Extended lo, Extended hi) const;
    virtual Extended Quantile(Extended p) const = 0;
    virtual bool Has_mean() const;
    virtual bool Has_variance() const;
    virtual Extended Mean() const = 0;
    virtual Extended Variance() const = 0;
    virtual Extended Std_deviation() const;
    virtual Extended Random_value();

protected:
    tDistribution() = default;
    bool Check_parameter(int i) const;
    // Declares parameter i (1 to 3) with its limits; the value is set later.
    void Declare_parameter(int i, Extended lower_limit, Extended upper_limit, bool whole = false);

    std::uint8_t Parameter_count = 0;
    Parameter_spec Parameters[4]{};  // indexed 1 to 3; slot 0 unused
    Extended Support_lower = -Integer_range_limit;
    Extended Support_upper = Integer_range_limit;
};

// Adds the generic quantile search (bracketing, Newton steps and bisection).
class tContinuous_distribution : public tDistribution {
public:
    Extended Quantile(Extended p) const final;

    // Quantile(p_first), then Quantile(p_second): the same numbers and the
    // same errors, in that order. The second search takes the distribution
    // function at the first bracket, which depends on the distribution
    // alone, from the first search instead of evaluating it again.
    std::pair<Extended, Extended> Quantiles(Extended p_first, Extended p_second) const;

protected:
    tContinuous_distribution() = default;

    // The search holds one floating-point scope for all its evaluations. A
    // class whose Cdf and Density are a computation inside a scope of their
    // own (Scoped_cdf and Scoped_density below) gives that computation here
    // and says so, and declares its Cdf and Density final, so that no class
    // derived from it can replace what the search evaluates. Any other class
    // needs nothing of this: by default the search calls its Cdf and Density.
    virtual bool Evaluates_unscoped() const;
    virtual Extended Unscoped_cdf(Extended x) const;
    virtual Extended Unscoped_density(Extended x) const;

    // Cdf and Density of such a class: outside the support (where they take
    // no arithmetic) the unscoped computation as it is, inside it in a scope
    // of its own.
    Extended Scoped_cdf(Extended x) const;
    Extended Scoped_density(Extended x) const;

private:
    // The distribution function at the ends of the first bracket, once known.
    struct First_bracket {
        std::optional<Extended> Cdf_upper;
        std::optional<Extended> Cdf_lower;
    };
    Extended Search_quantile(Extended p, First_bracket& first) const;
};

class tNormal_distribution : public tContinuous_distribution {
public:
    tNormal_distribution(Extended mu, Extended sigma_squared);

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    Extended Density(Extended x) const final;
    Extended Cdf(Extended x) const final;
    Extended Mean() const override;
    Extended Variance() const override;
    Extended Random_value() override;

    // 1 − Cdf(x), computed without the cancellation of that difference, so
    // that a far upper tail keeps its digits down to the smallest positive
    // value.
    Extended Upper_tail(Extended x) const;

protected:
    bool Evaluates_unscoped() const final;
    Extended Unscoped_cdf(Extended x) const override;
    Extended Unscoped_density(Extended x) const override;

private:
    Extended Mu = 0;
    Extended Sigma_squared = 0;
    Extended Sigma = 0;
    Extended Log_density_constant = 0;
    Extended Sampling_constant = 0;
};

class tGamma_distribution : public tContinuous_distribution {
public:
    tGamma_distribution(Extended shape, Extended rate);

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    bool In_support(Extended x) const override;
    Extended Density(Extended x) const final;
    Extended Cdf(Extended x) const final;
    Extended Mean() const override;
    Extended Variance() const override;
    Extended Random_value() override;

protected:
    // Sets up the two parameter slots without setting the parameters, for a
    // derived constructor that then calls its own Set_parameters.
    tGamma_distribution();

    bool Evaluates_unscoped() const final;
    Extended Unscoped_cdf(Extended x) const override;
    Extended Unscoped_density(Extended x) const override;

    Extended Shape = 0;
    Extended Rate = 0;
    Extended Ln_gamma_of_shape = 0;  // of every Cdf, computed once
    Extended Log_density_constant = 0;
    Extended Sampling_constant_1 = 0;
    Extended Sampling_constant_2 = 0;
    // For a shape above 1: whether the sampling constants hold the bounds
    // of the current shape (formed by the first draw).
    bool Ratio_bounds_current = false;

private:
    void Set_ratio_bounds();
};

class tChi_square_distribution : public tGamma_distribution {
public:
    explicit tChi_square_distribution(Extended k);

    // k is the gamma's shape k/2 with rate 1/2; nothing else is kept.
    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
};

// Above this many degrees of freedom the t distribution function is the
// standard normal one.
inline constexpr Extended T_normal_above_df = 1000;

class tT_distribution : public tContinuous_distribution {
public:
    explicit tT_distribution(Extended nu);
    ~tT_distribution() override;

    bool Set_parameters(Extended p1, Extended p2, Extended p3) override;
    Extended Density(Extended x) const final;
    // P(T <= x) at every finite x, beyond the support's ±2147483647 too,
    // where the tail, falling as a power of x, is not yet 0.
    Extended Cdf(Extended x) const final;
    bool Has_mean() const override;
    bool Has_variance() const override;
    Extended Mean() const override;
    Extended Variance() const override;
    Extended Random_value() override;

    // 1 − Cdf(x), computed without the cancellation of that difference.
    Extended Upper_tail(Extended x) const;

protected:
    bool Evaluates_unscoped() const final;
    Extended Unscoped_cdf(Extended x) const override;
    Extended Unscoped_density(Extended x) const override;

private:
    Extended Degrees_of_freedom = 0;
    Extended Log_density_constant = 0;
    Extended Sampling_constant = 0;
    // For ν >= 1: whether Sampling_constant holds the bound of the current ν
    // (formed by the first draw).
    bool Sampling_bound_current = false;
    // ln Γ((ν+1)/2) and ln Γ(ν/2): with ln Γ(1/2), the logarithm of the
    // beta function B(ν/2, 1/2) of the distribution function, by its terms.
    Extended Ln_gamma_of_half_sum = 0;
    Extended Ln_gamma_of_half_nu = 0;
    // P(|T| > |x|) at any finite x.
    Extended Two_sided_tail(Extended x) const;
    // Owned, inside the object; used only by Random_value when nu < 1.
    std::optional<tNormal_distribution> Standard_normal;
    std::optional<tGamma_distribution> Gamma_helper;
};
