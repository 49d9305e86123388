// exp, ln and ln(1 + x) of IEEE quad (113-bit significand, ε = 2^-112), for
// the builds whose C library has none of its own (see Elementary.h).
// The constants are ln 2 and its kin to 113 bits, from a 400-bit evaluation.
#include "Elementary.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

// ln 2 = Ln2_high + Ln2_low, the first with 93 significant bits, so that
// k · Ln2_high is exact for every |k| < 2^20 (the binary exponents of quad
// need 15 bits); the second rounded to 113 bits (2^-215 absolute).
constexpr Extended Ln2_high = 0x1.62e42fefa39ef35793c7673p-1L;
constexpr Extended Ln2_low = 0x1.f97b57a079a193394c5b16c5068cp-103L;
constexpr Extended Inverse_ln2 = 0x1.71547652b82fe1777d0ffda0d23ap+0L;
constexpr Extended Sqrt_half = 0x1.6a09e667f3bcc908b2fb1366ea95p-1L;

// ln of the largest quad, and of half the smallest subnormal (2^-16495):
// beyond them e^x rounds to +∞ and to 0.
constexpr Extended Ln_largest = 0x1.62e42fefa39ef35793c7673007e6p+13L;
constexpr Extended Ln_half_smallest = -0x1.654bb3b2c73ebb059fabb506ff34p+13L;

// e^r − 1 = r + r²/2! + ... + r^12/12! for |r| <= ln 2 / 64 < 0.01083: the
// first term left out, r^13/13!, is below 4.4e-36 (2^-117) of e^r.
constexpr int Exp_terms = 12;
constexpr std::array<Extended, Exp_terms + 1> Inverse_factorials = [] {
    std::array<Extended, Exp_terms + 1> c{};
    Extended factorial = 1.0L;
    for (int n = 1; n <= Exp_terms; ++n) {
        factorial *= n;
        c[n] = 1.0L / factorial;
    }
    return c;
}();

// 2^(j/32) for j = 0 to 31, rounded to 113 bits.
constexpr std::array<Extended, 32> Two_to_j_over_32 = {
    0x1.0p+0L,
    0x1.059b0d31585743ae7c548eb68ca4p+0L,
    0x1.0b5586cf9890f6298b92b71842aap+0L,
    0x1.11301d0125b50a4ebbf1aed9318dp+0L,
    0x1.172b83c7d517adcdf7c8c50eb14ap+0L,
    0x1.1d4873168b9aa7805b8028990f08p+0L,
    0x1.2387a6e75623866c1fadb1c15cb6p+0L,
    0x1.29e9df51fdee12c25d15f5a24aa4p+0L,
    0x1.306fe0a31b7152de8d5a46305c86p+0L,
    0x1.371a7373aa9caa7145502f454798p+0L,
    0x1.3dea64c12342235b41223e13d774p+0L,
    0x1.44e086061892d03136f409df01ap+0L,
    0x1.4bfdad5362a271d4397afec42e21p+0L,
    0x1.5342b569d4f81df0a83c49d86a64p+0L,
    0x1.5ab07dd48542958c93015191eb34p+0L,
    0x1.6247eb03a5584b1f0fa06fd2da43p+0L,
    0x1.6a09e667f3bcc908b2fb1366ea95p+0L,
    0x1.71f75e8ec5f73dd2370f2ef0acd7p+0L,
    0x1.7a11473eb0186d7d51023f6cda1fp+0L,
    0x1.82589994cce128acf88afab34a01p+0L,
    0x1.8ace5422aa0db5ba7c55a192c9bbp+0L,
    0x1.93737b0cdc5e4f4501c3f2540a23p+0L,
    0x1.9c49182a3f0901c7c46b071f2be6p+0L,
    0x1.a5503b23e255c8b424491caf87bdp+0L,
    0x1.ae89f995ad3ad5e8734d1773205ap+0L,
    0x1.b7f76f2fb5e46eaa7b081ab53c53p+0L,
    0x1.c199bdd85529c2220cb12a091ba6p+0L,
    0x1.cb720dcef90691503cbd1e949db7p+0L,
    0x1.d5818dcfba48725da05aeb66e0ddp+0L,
    0x1.dfc97337b9b5eb968cac39ed291bp+0L,
    0x1.ea4afa2a490d9858f73a18f5db3p+0L,
    0x1.f50765b6e4540674f84b762862bbp+0L,
};

// ln 2 / 32 in the two parts of ln 2, scaled exactly: k · Ln2_high_32 is
// exact for |k| < 2^20, which covers k = 32 x / ln 2 over the whole range.
constexpr Extended Ln2_high_32 = Ln2_high / 32;
constexpr Extended Ln2_low_32 = Ln2_low / 32;

// ln(k/64) for k = 45 to 91 (the k/64 nearest an f in [√½, √2)), rounded
// to 113 bits; ln(64/64) = 0 exactly.
constexpr std::array<Extended, 47> Ln_k_over_64 = {
    -0x1.68ac83e9c6a141a64eadd7401786p-2L,
    -0x1.522ae0738a3d7ce102c98eb2d0d4p-2L,
    -0x1.3c25277333183b54b606bd5c4e75p-2L,
    -0x1.269621134db92783beb7676c0aaap-2L,
    -0x1.1178e8227e47bde338b41fc72de8p-2L,
    -0x1.f991c6cb3b3797d99419be602863p-3L,
    -0x1.d1037f2655e7b5818a49091c6888p-3L,
    -0x1.a93ed3c8ad9e36f2bea77a5c80ddp-3L,
    -0x1.823c16551a3c1bb734c63d061fa6p-3L,
    -0x1.5bf406b543db1fb8292ecfc82063p-3L,
    -0x1.365fcb01590162fa8234b7289595p-3L,
    -0x1.1178e8227e47bde338b41fc72de8p-3L,
    -0x1.da727638446a25007e9c5ccc063p-4L,
    -0x1.9335e5d594988ae1d5ea3eccd251p-4L,
    -0x1.4d3115d207eac5da7d0b1e10b2f6p-4L,
    -0x1.08598b59e3a0688a3fd9bf503373p-4L,
    -0x1.894aa149fb3433517d2ecc144799p-5L,
    -0x1.0415d89e7444470173c75d4d888ap-5L,
    -0x1.020565893584749f23a105b9c7bcp-6L,
    0.0L,
    0x1.fc0a8b0fc03e3cf9eda74d37abd5p-7L,
    0x1.f829b0e7833004cf8fc13c7bc8a8p-6L,
    0x1.77458f632dcfc4634f2a1ee4a583p-5L,
    0x1.f0a30c01162a6617cc9716eeb32fp-5L,
    0x1.341d7961bd1d092998376104d137p-4L,
    0x1.6f0d28ae56b4b9be499b9ed19b64p-4L,
    0x1.a926d3a4ad563650bd22a9c3aa4cp-4L,
    0x1.e27076e2af2e5e9ea87ffe1fe9e1p-4L,
    0x1.0d77e7cd08e596697717a40c2ae9p-3L,
    0x1.29552f81ff5234c05dc7101f6fa7p-3L,
    0x1.44d2b6ccb7d1e67d3d950f87e1e1p-3L,
    0x1.5ff3070a793d3c873e20a072123cp-3L,
    0x1.7ab890210d9091be36b2d6a0608p-3L,
    0x1.9525a9cf456b47641307538b8967p-3L,
    0x1.af3c94e80bff2d8ce601937ccf5dp-3L,
    0x1.c8ff7c79a9a21ac25d81ef2ffb9ap-3L,
    0x1.e27076e2af2e5e9ea87ffe1fe9e1p-3L,
    0x1.fb9186d5e3e2a8d55466c3794d2dp-3L,
    0x1.0a324e27390e35f73f7a018700c4p-2L,
    0x1.1675cababa60e039cc7d57106e2ep-2L,
    0x1.22941fbcf7965a242853da75d433p-2L,
    0x1.2e8e2bae11d309c2cc91a85081b4p-2L,
    0x1.3a64c556945e9c72f35cd740d08ep-2L,
    0x1.4618bc21c5ec27d0b7b37b33c734p-2L,
    0x1.51aad872df82d09c93d60cfaaf19p-2L,
    0x1.5d1bdbf5809ca508d8e0f71ff845p-2L,
    0x1.686c81e9b14aec442be1014e3869p-2L,
};

constexpr int First_k = 45;

// 2 atanh s = 2 (s + s³/3 + ... + s^15/15) for |s| <= 0.0056, s² < 3.2e-5:
// the first term left out, s^17/17, is below 1e-37 of the sum (2^-122).
constexpr int Atanh_terms = 8;
constexpr std::array<Extended, Atanh_terms> Atanh_coefficients = [] {
    std::array<Extended, Atanh_terms> c{};
    for (int n = 0; n < Atanh_terms; ++n)
        c[n] = 1.0L / (2 * n + 1);
    return c;
}();

}  // namespace

// e^x = 2^(k/32) e^r with k the integer nearest 32 x / ln 2 and
// r = x − k ln 2 / 32, |r| <= ln 2 / 64 (x − k Ln2_high_32 is exact, Sterbenz);
// 2^(k/32) = 2^q 2^(j/32) with k = 32 q + j, 0 <= j < 32, from the table;
// e^r = 1 + p with p = e^r − 1 by its series.
// Error: r carries 0.5 ulp of itself, p 1 ulp, 2^(j/32) 0.5 ulp, and
// t + t p two roundings: below 3 ulp. Subnormal results keep the absolute
// error of their last place.
Extended Exp(Extended x)
{
    if (std::isnan(x))
        return x;
    if (x > Ln_largest)
        return std::numeric_limits<Extended>::infinity();
    if (x < Ln_half_smallest)
        return 0.0L;
    const Extended k = std::nearbyint(x * (32 * Inverse_ln2));
    const Extended r = (x - k * Ln2_high_32) - k * Ln2_low_32;
    Extended series = Inverse_factorials[Exp_terms];
    for (int n = Exp_terms - 1; n >= 2; --n)
        series = Inverse_factorials[n] + r * series;
    const Extended p = r + r * r * series;
    const auto whole_k = static_cast<long>(k);
    const long j = ((whole_k % 32) + 32) % 32;
    const Extended t = Two_to_j_over_32[static_cast<std::size_t>(j)];
    return std::ldexp(t + t * p, static_cast<int>((whole_k - j) / 32));
}

// ln x = e ln 2 + ln c + ln(f / c) with x = 2^e f, f in [√½, √2), c = k/64
// the nearest such fraction to f (|f − c| <= 1/128, ln c from the table),
// and ln(f / c) = 2 atanh s, s = (f − c) / (f + c). f − c is exact
// (Sterbenz), s carries at most 1 ulp, the series adds 0.5 ulp, and
// e ln 2 + ln c + ln(f / c), formed as e Ln2_high + (e Ln2_low + (ln c +
// ln(f / c))) with e Ln2_high exact, three roundings: below 4 ulp. Near
// x = 1, c = 1 and ln c = 0, so that ln x keeps its relative precision.
Extended Ln(Extended x)
{
    if (std::isnan(x) || x == std::numeric_limits<Extended>::infinity())
        return x;
    if (x < 0.0L)
        return std::numeric_limits<Extended>::quiet_NaN();
    if (x == 0.0L)
        return -std::numeric_limits<Extended>::infinity();
    int e = 0;
    Extended f = std::frexp(x, &e);
    if (f < Sqrt_half) {
        f = 2.0L * f;
        --e;
    }
    const Extended k = std::nearbyint(64.0L * f);
    const Extended c = k / 64.0L;
    const Extended s = (f - c) / (f + c);
    const Extended s2 = s * s;
    Extended series = Atanh_coefficients[Atanh_terms - 1];
    for (int n = Atanh_terms - 2; n >= 1; --n)
        series = Atanh_coefficients[n] + s2 * series;
    const Extended twice_s = 2.0L * s;
    const Extended ln_f_over_c = twice_s + twice_s * s2 * series;
    const Extended ln_c = Ln_k_over_64[static_cast<std::size_t>(k) - First_k];
    const Extended exponent = e;
    return exponent * Ln2_high + (exponent * Ln2_low + (ln_c + ln_f_over_c));
}

// ln(1 + x) = ln u · x / (u − 1) with u = 1 + x rounded: the quotient
// x / (u − 1) puts back what the rounding of u took from x, so that the
// result keeps its relative precision however small x is (u − 1 is exact).
// Error: ln u's 4 ulp, relative to a result of ln u's size, plus two
// roundings.
Extended Ln_one_plus(Extended x)
{
    const Extended u = 1.0L + x;
    if (u == 1.0L)
        return x;
    if (std::isinf(u) || std::isnan(u) || u <= 0.0L)
        return Ln(u);
    return Ln(u) * (x / (u - 1.0L));
}
