// The library against Boost.Math at long double on grids of shapes and
// points. Ln_gamma's series carries up to about 1e-10 absolute error by
// design, which bounds the tolerance of everything built on it. Each test
// reports its worst row.
#include "Elementary_precision.h"
#include "distrib.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

namespace {

class Oracle : public testing::Test {
protected:
    void SetUp() override
    {
        if (Elementary_functions_in_double)
            GTEST_SKIP() << Elementary_functions_reason;
    }
};

constexpr Extended Tolerance = 5e-10L;
const boost::math::normal_distribution<Extended> Boost_normal;

// The largest error of a grid, with the row where it occurs.
struct Worst {
    Extended error = 0.0L;
    std::string where;

    void Add(Extended computed, Extended expected, const std::string& row)
    {
        const Extended e = std::fabs(computed - expected);
        if (e > error || std::isnan(e)) {
            error = e;
            where = row;
        }
    }

    // Prints the worst row into the test log, and checks it.
    void Expect_below(Extended tolerance) const
    {
        std::printf("worst error %.3Le at %s\n", error, where.c_str());
        EXPECT_LT(error, tolerance) << where;
    }
};

std::string Row(const char* name, Extended value)
{
    std::ostringstream text;
    text.precision(12);
    text << name << " " << value << " ";
    return text.str();
}

std::string Row(const char* name1, Extended v1, const char* name2, Extended v2)
{
    return Row(name1, v1) + Row(name2, v2);
}

const std::vector<Extended> Shapes = {0.5L, 0.75L, 1.0L, 1.5L, 2.0L, 3.3L, 5.0L, 9.5L, 10.0L, 25.0L,
                                      50.0L, 99.5L, 100.0L, 250.0L, 499.5L, 500.0L, 750.0L, 1000.0L};

// Points across the body (a ± 6 sd in steps of sd/4), the branch point a + 1,
// and the tails down to 1e-3 a and up to 20 a.
std::vector<Extended> Gamma_points(Extended a)
{
    std::vector<Extended> x = {a + 1.0L, 1e-3L * a, 0.1L * a, 3.0L * a + 10.0L, 20.0L * a + 40.0L};
    for (int k = -24; k <= 24; ++k) {
        const Extended point = a + k / 4.0L * std::sqrt(a);
        if (point > 0.0L)
            x.push_back(point);
    }
    return x;
}

TEST_F(Oracle, Incomplete_gamma)
{
    Worst worst;
    for (Extended a : Shapes)
        for (Extended x : Gamma_points(a))
            worst.Add(Incomplete_gamma(x, a), boost::math::gamma_p(a, x), Row("a", a, "x", x));
    worst.Expect_below(Tolerance);
}

TEST_F(Oracle, Incomplete_beta)
{
    const std::vector<Extended> parameters = {0.5L, 1.0L, 2.5L, 5.0L, 20.0L, 100.0L, 500.0L};
    Worst worst;
    for (Extended a : parameters)
        for (Extended b : parameters) {
            const Extended switch_point = (a + 1.0L) / (a + b + 2.0L);
            std::vector<Extended> x = {switch_point, std::nextafter(switch_point, 0.0L), 1e-6L, 1.0L - 1e-6L};
            for (int i = 1; i < 40; ++i)
                x.push_back(i / 40.0L);
            for (Extended point : x)
                worst.Add(Incomplete_beta(point, a, b), boost::math::ibeta(a, b, point),
                          Row("a", a, "b", b) + Row("x", point));
        }
    worst.Expect_below(Tolerance);
}

std::vector<Extended> Normal_points()
{
    std::vector<Extended> z;
    for (int i = -160; i <= 160; ++i)
        z.push_back(i / 10.0L);
    for (Extended far : {20.0L, 40.0L, 100.0L, 1000.0L, 65535.0L, 65536.5L, 1e6L})
        z.insert(z.end(), {far, -far});
    return z;
}

TEST_F(Oracle, Normal_cdf)
{
    tNormal_distribution standard(0.0L, 1.0L), shifted(-3.0L, 6.25L);
    Worst worst;
    for (Extended z : Normal_points()) {
        worst.Add(standard.Cdf(z), boost::math::cdf(Boost_normal, z), Row("z", z));
        worst.Add(shifted.Cdf(-3.0L + 2.5L * z), boost::math::cdf(Boost_normal, z), Row("shifted z", z));
    }
    worst.Expect_below(Tolerance);
}

TEST_F(Oracle, T_cdf)
{
    const std::vector<Extended> nus = {0.5L, 1.0L, 1.5L, 2.0L, 3.0L, 4.5L, 7.3L, 10.0L, 19.0L, 30.0L,
                                       100.0L, 500.0L, 999.0L, 1000.0L};
    const std::vector<Extended> above = {1000.5L, 1001.0L, 5000.0L, 1e5L, 1e6L};
    std::vector<Extended> xs;
    for (int i = -100; i <= 100; ++i)
        xs.push_back(i / 10.0L);
    for (Extended far : {30.0L, 100.0L, 1e3L, 1e5L, 1e8L})
        xs.insert(xs.end(), {far, -far});
    Worst worst;
    for (Extended nu : nus) {
        tT_distribution t(nu);
        const boost::math::students_t_distribution<Extended> boost_t(nu);
        for (Extended x : xs)
            worst.Add(t.Cdf(x), boost::math::cdf(boost_t, x), Row("nu", nu, "x", x));
    }
    // Above 1000 degrees of freedom the library uses the normal on purpose.
    for (Extended nu : above) {
        tT_distribution t(nu);
        for (Extended x : xs)
            worst.Add(t.Cdf(x), boost::math::cdf(Boost_normal, x), Row("nu", nu, "x", x));
    }
    worst.Expect_below(Tolerance);
}

// Above shape 500 the library's chi-square is the Wilson–Hilferty formula;
// its oracle is that formula with Boost's normal.
Extended Wilson_hilferty_cdf(Extended k, Extended x)
{
    const Extended shape = k / 2.0L;
    const Extended w = std::cbrt(x / k) - 1.0L + 1.0L / (9.0L * shape);
    return boost::math::cdf(Boost_normal, 3.0L * std::sqrt(shape) * w);
}

const std::vector<Extended> Degrees_of_freedom = {1.0L, 2.0L, 3.0L, 5.0L, 10.0L, 19.0L, 50.0L, 100.0L,
                                                  999.0L, 1000.0L, 1001.0L, 2000.0L, 4999.0L, 1e5L, 999998.0L};

TEST_F(Oracle, Chi_square_cdf)
{
    Worst worst;
    for (Extended k : Degrees_of_freedom) {
        tChi_square_distribution chi_square(k);
        const boost::math::chi_squared_distribution<Extended> boost_chi(k);
        for (Extended x : Gamma_points(k)) {
            const Extended expected = k / 2.0L > 500.0L ? Wilson_hilferty_cdf(k, x) : boost::math::cdf(boost_chi, x);
            worst.Add(chi_square.Cdf(x), expected, Row("k", k, "x", x));
        }
    }
    worst.Expect_below(Tolerance);
}

TEST_F(Oracle, Chi_square_quantile)
{
    Worst worst;
    std::vector<Extended> ks = Degrees_of_freedom;
    ks.erase(ks.begin());  // k from 2 on
    for (Extended k : ks) {
        tChi_square_distribution chi_square(k);
        const boost::math::chi_squared_distribution<Extended> boost_chi(k);
        for (Extended p : {0.025L, 0.05L, 0.95L, 0.975L}) {
            Extended expected;
            if (k / 2.0L > 500.0L) {
                const Extended c = 2.0L / (9.0L * k);
                const Extended r = 1.0L - c + boost::math::quantile(Boost_normal, p) * std::sqrt(c);
                expected = k * r * r * r;
            } else {
                expected = boost::math::quantile(boost_chi, p);
            }
            // Relative error, as the difference of the ratio from 1.
            worst.Add(chi_square.Quantile(p) / expected, 1.0L, Row("k", k, "p", p));
        }
    }
    worst.Expect_below(1e-9L);
}

}  // namespace
