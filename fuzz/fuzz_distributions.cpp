// The special functions and the distribution operations on arbitrary
// arguments: NaN, infinities, denormals, huge and tiny values, and the
// invalid 80-bit encodings (pseudo-NaNs, unnormals) that only raw bit
// patterns reach. Each call must return, or raise one of the library's own
// exceptions; libFuzzer's time-out (set by scripts/fuzz) turns a call that
// does not end within its pass limits into a reported fault.
//
// Input layout: one byte selecting the operation, one byte saying for each
// argument whether it is a raw 10-byte bit pattern or a "near" value (a
// 16-bit integer over a power of two, so that the interesting small region
// is reached often), then the arguments.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "Fuzz_check.h"
#include "distrib.h"

namespace {

class Arguments {
public:
    Arguments(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte()
    {
        return at_ < size_ ? data_[at_++] : 0;
    }

    Extended Value(bool raw)
    {
        if (raw) {
            unsigned char bytes[sizeof(Extended)] = {};
            for (std::size_t i = 0; i < 10; ++i)
                bytes[i] = Byte();
            Extended value;
            std::memcpy(&value, bytes, sizeof value);
            return value;
        }
        const auto whole = static_cast<std::int16_t>(Byte() | (Byte() << 8));
        return std::ldexp(static_cast<Extended>(whole), -(Byte() % 24));
    }

    std::int32_t Integer()
    {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n = (n << 8) | Byte();
        return static_cast<std::int32_t>(n);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A distribution operation selected by `which` on a live object.
void Query(tDistribution& d, int which, Extended x, Extended y)
{
    switch (which % 12) {
    case 0: (void)d.Density(x); break;
    case 1: (void)d.Point_probability(x); break;
    case 2: (void)d.Cdf(x); break;
    case 3: (void)d.Interval_probability(x, y); break;
    case 4: (void)d.Quantile(x); break;
    case 5: (void)d.In_support(x); break;
    case 6: (void)d.Has_mean(); (void)d.Has_variance(); break;
    case 7: (void)d.Mean(); break;
    case 8: (void)d.Variance(); break;
    case 9: (void)d.Std_deviation(); break;
    case 10: for (int i = 0; i < 4; ++i) (void)d.Random_value(); break;
    default: (void)d.Set_parameters(x, y, 0); (void)d.Cdf(x); break;
    }
}

void Call(int operation, Arguments& in, std::uint8_t raw_bits)
{
    const Extended a = in.Value(raw_bits & 1);
    const Extended b = in.Value(raw_bits & 2);
    const Extended c = in.Value(raw_bits & 4);
    switch (operation % 17) {
    case 0: (void)Same_value(a, b); break;
    case 1: (void)Is_whole_number(a); break;
    case 2: (void)Float_text(a); break;
    case 3: (void)Check_bound(in.Integer(), a, b); break;
    case 4: (void)Integer_power(a, in.Integer()); break;
    case 5: (void)Real_power(a, b); break;
    case 6: (void)Ln_gamma(a); break;
    case 7: (void)Gamma_series(a, b); break;
    case 8: (void)Gamma_cont_fraction(a, b); break;
    case 9: (void)Incomplete_gamma(a, b); break;
    case 10: (void)Beta_cont_fraction(a, b, c); break;
    case 11: (void)Incomplete_beta(a, b, c); break;
    case 12: { tNormal_distribution d(a, b); Query(d, in.Byte(), c, in.Value(raw_bits & 8)); break; }
    case 13: { tGamma_distribution d(a, b); Query(d, in.Byte(), c, in.Value(raw_bits & 8)); break; }
    case 14: { tChi_square_distribution d(a); Query(d, in.Byte(), b, c); break; }
    case 15: { tT_distribution d(a); Query(d, in.Byte(), b, c); break; }
    default: (void)Uniform_random(); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Arguments in(data, size);
    const int operation = in.Byte();
    const std::uint8_t raw_bits = in.Byte();
    try {
        Call(operation, in, raw_bits);
    } catch (const EArgumentError&) {
    } catch (const EFloating_point_error&) {
    } catch (const EConvergence_error&) {
    }
    // Whatever the call did, the library's floating-point regime must be
    // intact for the next one: P(1, 1) = 1 - 1/e.
    const Extended p = Incomplete_gamma(1, 1);
    FUZZ_CHECK(std::fabs(p - (1 - std::exp(-1.0L))) < 1e-10L, "a failed call disturbed the next one");
    return 0;
}
