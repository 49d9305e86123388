// Exact decimal rounding of an extended value v = m · 2^e (m the significand
// as an integer: 64 bits in the 80-bit format, 113 where long double is IEEE
// quad). Its digits at decimal exponent X are those of
//     v · 10^s = m · 5^s · 2^(e + s),   s = count − 1 − X,
// a ratio A / B of two integers, each a power of 5 and a power of 2 times m
// or 1. The quotient floor(A / B) holds the digits, the remainder decides the
// rounding. Where s >= 0 and e + s < 0 (every value below 10^count with a
// fractional part: the common case), B is a power of two and the quotient is
// a shift; otherwise a long division whose quotient fits 64 bits. The
// integers are exact, so ties are seen as ties.
#include "Decimal_digits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

using Limb = std::uint64_t;
using Wide = unsigned __int128;

// Room for the largest operand: m · 2^16384 (a value near the top of the
// range) or m · 5^4983 (the smallest subnormal scaled up), under 16 500 bits.
constexpr int Capacity = 264;

// base^0, base^1, ... base^(Count − 1), each below 2^64.
template <std::size_t Count>
constexpr std::array<Limb, Count> Powers_of(Limb base)
{
    std::array<Limb, Count> powers{};
    Limb p = 1;
    for (auto& power : powers) {
        power = p;
        p *= base;
    }
    return powers;
}

// 5^0 to 5^27 (the largest power of 5 below 2^63), 10^0 to 10^19.
constexpr std::array<Limb, 28> Powers_of_5 = Powers_of<28>(5);
constexpr std::array<Limb, 20> Powers_of_10 = Powers_of<20>(10);

// An unsigned integer of up to Capacity 64-bit limbs, least significant
// first; only the first Size limbs are meaningful.
class Big_unsigned {
public:
    explicit Big_unsigned(Limb value) : Size(value != 0 ? 1 : 0) { Limbs[0] = value; }

    // Copies only the limbs in use, not the whole capacity.
    Big_unsigned(const Big_unsigned& other) : Size(other.Size)
    {
        std::copy_n(other.Limbs.begin(), Size, Limbs.begin());
    }
    Big_unsigned& operator=(const Big_unsigned& other)
    {
        Size = other.Size;
        std::copy_n(other.Limbs.begin(), Size, Limbs.begin());
        return *this;
    }

    // high · 2^64 + low.
    Big_unsigned(Limb high, Limb low) : Size(high != 0 ? 2 : low != 0 ? 1 : 0)
    {
        Limbs[0] = low;
        Limbs[1] = high;
    }

    void Multiply(Limb factor)
    {
        Limb carry = 0;
        for (int i = 0; i < Size; ++i) {
            const Wide product = static_cast<Wide>(Limbs[i]) * factor + carry;
            Limbs[i] = static_cast<Limb>(product);
            carry = static_cast<Limb>(product >> 64);
        }
        if (carry != 0)
            Push(carry);
    }

    void Multiply_by_power_of_5(int n)
    {
        constexpr int Largest = static_cast<int>(Powers_of_5.size()) - 1;
        for (; n >= Largest; n -= Largest)
            Multiply(Powers_of_5[Largest]);
        if (n > 0)
            Multiply(Powers_of_5[static_cast<std::size_t>(n)]);
    }

    bool Is_zero() const { return Size == 0; }

    void Add_one()
    {
        for (int i = 0; i < Size; ++i)
            if (++Limbs[i] != 0)
                return;
        Push(1);
    }

    // Divides by a one-limb divisor and returns the remainder.
    Limb Divide_small(Limb divisor)
    {
        Limb remainder = 0;
        for (int i = Size - 1; i >= 0; --i) {
            const Wide dividend = (static_cast<Wide>(remainder) << 64) | Limbs[i];
            Limbs[i] = static_cast<Limb>(dividend / divisor);
            remainder = static_cast<Limb>(dividend % divisor);
        }
        Trim();
        return remainder;
    }

    void Shift_right(int bits)
    {
        const int limbs = bits / 64;
        if (limbs >= Size) {
            Size = 0;
            return;
        }
        for (int i = 0; i + limbs < Size; ++i)
            Limbs[i] = Bits_from(64 * i + bits);
        Size -= limbs;
        Trim();
    }

    void Shift_left(int bits)
    {
        if (Size == 0 || bits == 0)
            return;
        const int limbs = bits / 64;
        const int offset = bits % 64;
        if (Size + limbs + 1 > Capacity)
            throw std::logic_error("Decimal_digits: operand beyond its capacity");
        Limbs[Size + limbs] = 0;
        for (int i = Size - 1; i >= 0; --i) {
            const Limb value = Limbs[i];
            if (offset != 0) {
                Limbs[i + limbs + 1] |= value >> (64 - offset);
                Limbs[i + limbs] = value << offset;
            } else {
                Limbs[i + limbs] = value;
            }
        }
        for (int i = 0; i < limbs; ++i)
            Limbs[i] = 0;
        Size += limbs + 1;
        Trim();
    }

    // Bits [from, from + 64) as one limb.
    Limb Bits_from(int from) const
    {
        const int index = from / 64;
        const int offset = from % 64;
        const Limb low = index < Size ? Limbs[index] >> offset : 0;
        const Limb high = offset != 0 && index + 1 < Size ? Limbs[index + 1] << (64 - offset) : 0;
        return low | high;
    }

    bool Bit(int at) const
    {
        const int index = at / 64;
        return index < Size && ((Limbs[index] >> (at % 64)) & 1u) != 0;
    }

    // Whether any of the bits below `at` is set.
    bool Any_bit_below(int at) const
    {
        const int index = at / 64;
        for (int i = 0; i < index && i < Size; ++i)
            if (Limbs[i] != 0)
                return true;
        const int offset = at % 64;
        return offset != 0 && index < Size && (Limbs[index] & ((Limb{1} << offset) - 1)) != 0;
    }

    // The value as leading · 2^(64 · limb_exponent), the leading part
    // rounded to extended precision from the top two limbs.
    long double Leading(int& limb_exponent) const
    {
        limb_exponent = Size >= 2 ? Size - 2 : 0;
        if (Size == 0)
            return 0;
        const auto top = static_cast<long double>(Limbs[Size - 1]);
        return Size >= 2 ? std::ldexp(top, 64) + static_cast<long double>(Limbs[Size - 2]) : top;
    }

    friend int Compare(const Big_unsigned& a, const Big_unsigned& b)
    {
        if (a.Size != b.Size)
            return a.Size < b.Size ? -1 : 1;
        for (int i = a.Size - 1; i >= 0; --i)
            if (a.Limbs[i] != b.Limbs[i])
                return a.Limbs[i] < b.Limbs[i] ? -1 : 1;
        return 0;
    }

    // *this −= other, for other <= *this.
    void Subtract(const Big_unsigned& other)
    {
        Limb borrow = 0;
        for (int i = 0; i < Size; ++i) {
            const Limb subtrahend = i < other.Size ? other.Limbs[i] : 0;
            const Limb difference = Limbs[i] - subtrahend - borrow;
            borrow = (Limbs[i] < subtrahend || (Limbs[i] == subtrahend && borrow != 0)) ? 1 : 0;
            Limbs[i] = difference;
        }
        Trim();
    }

private:
    void Push(Limb limb)
    {
        if (Size == Capacity)
            throw std::logic_error("Decimal_digits: operand beyond its capacity");
        Limbs[Size++] = limb;
    }

    void Trim()
    {
        while (Size > 0 && Limbs[Size - 1] == 0)
            --Size;
    }

    int Size;
    std::array<Limb, Capacity> Limbs;
};

// floor(A / B) and the rounding of the remainder: whether it is above, at or
// below half of B (1, 0, −1).
struct Quotient {
    Limb Value;
    int Remainder_against_half;
};

// B = 2^shift.
Quotient Divide_by_power_of_2(const Big_unsigned& a, int shift)
{
    if (shift == 0)
        return {a.Bits_from(0), -1};
    const bool half = a.Bit(shift - 1);
    const bool below = a.Any_bit_below(shift - 1);
    return {a.Bits_from(shift), half ? (below ? 1 : 0) : -1};
}

// A long division whose quotient is known to fit 64 bits: an estimate from
// the leading bits (off by a few units at most), corrected on the exact
// remainder.
Quotient Divide(const Big_unsigned& a, const Big_unsigned& b)
{
    int a_limbs = 0;
    int b_limbs = 0;
    const long double a_leading = a.Leading(a_limbs);
    const long double b_leading = b.Leading(b_limbs);
    const long double estimate = std::floor(std::ldexp(a_leading / b_leading, 64 * (a_limbs - b_limbs)));
    Limb q = estimate <= 0 ? 0 : estimate >= 0x1p64L ? ~Limb{0} : static_cast<Limb>(estimate);
    Big_unsigned product = b;
    product.Multiply(q);
    while (Compare(product, a) > 0) {
        product.Subtract(b);
        --q;
    }
    Big_unsigned remainder = a;
    remainder.Subtract(product);
    while (Compare(remainder, b) >= 0) {
        remainder.Subtract(b);
        ++q;
    }
    remainder.Shift_left(1);
    return {q, Compare(remainder, b)};
}

// m · 5^fives / 2^shift for a one-limb m and fives <= 27, in 128-bit
// arithmetic: the common case (a value of moderate size), where the product
// fits two limbs and the quotient is a shift.
Quotient Divide_by_power_of_2(Wide a, int shift)
{
    const Wide below_half = (Wide{1} << (shift - 1)) - 1;
    const bool half = ((a >> (shift - 1)) & 1u) != 0;
    const bool below = (a & below_half) != 0;
    // A quotient beyond one limb (a decimal exponent guessed too low) is
    // given as the largest limb, which is too high for any digit count.
    const Wide quotient = a >> shift;
    const Limb value = quotient >> 64 != 0 ? ~Limb{0} : static_cast<Limb>(quotient);
    return {value, half ? (below ? 1 : 0) : -1};
}

#if defined(__x86_64__) || defined(__i386__)
constexpr bool X87_extended = std::numeric_limits<long double>::digits == 64;
#else
constexpr bool X87_extended = false;
#endif

// value = (High · 2^64 + Low) · 2^Twos for a finite value, the significand
// a whole number of up to 128 bits (64 in the 80-bit format, 113 in IEEE
// quad) with its leading bit set.
struct Binary_parts {
    Limb High = 0;
    Limb Low = 0;
    int Twos = 0;

    Big_unsigned Significand() const { return Big_unsigned(High, Low); }
};

constexpr int Significand_bits = std::numeric_limits<long double>::digits;
static_assert(Significand_bits <= 128);

// The parts of a positive finite value; none for any other (zero, negative,
// infinite, NaN). A bit pattern that is no number although isnan and isinf
// pass it (the 80-bit format's unnormals and pseudo-NaNs, which no
// arithmetic produces but raw bytes can hold) leaves frexp's fraction outside
// [1/2, 1) or unordered: it has no parts, as a NaN has none.
std::optional<Binary_parts> Parts_by_arithmetic(long double value)
{
    if (!(value > 0 && std::isfinite(value)))
        return std::nullopt;
    int binary_exponent = 0;
    const long double fraction = std::frexp(value, &binary_exponent);
    if (!(fraction >= 0.5L && fraction < 1.0L))
        return std::nullopt;
    const long double significand = std::ldexp(fraction, Significand_bits);
    const long double high = std::floor(std::ldexp(significand, -64));
    return Binary_parts{static_cast<Limb>(high), static_cast<Limb>(significand - std::ldexp(high, 64)),
                        binary_exponent - Significand_bits};
}

// The parts of |value|. In x86's 80-bit format they are the fields of the
// bit pattern (the exponent biased by 16383 beside the sign, the significand
// with its explicit leading bit), read without arithmetic from where the
// value lies; zero and the subnormals, rare, go the general way.
inline std::optional<Binary_parts> Parts_of_magnitude(const long double& value)
{
    if constexpr (X87_extended) {
        Limb significand = 0;
        std::uint16_t sign_and_exponent = 0;
        std::memcpy(&significand, &value, sizeof significand);
        std::memcpy(&sign_and_exponent, reinterpret_cast<const unsigned char*>(&value) + sizeof significand,
                    sizeof sign_and_exponent);
        constexpr int Exponent_bits = 0x7FFF;
        const int biased_exponent = sign_and_exponent & Exponent_bits;
        if (biased_exponent != 0) {
            // Infinite or NaN, or an unnormal.
            if (biased_exponent == Exponent_bits || significand >> 63 == 0)
                return std::nullopt;
            return Binary_parts{0, significand, biased_exponent - 16383 - (Significand_bits - 1)};
        }
    }
    return Parts_by_arithmetic(std::fabs(value));
}

// m · 5^fives · 2^twos for any operands, in as many limbs as they take. Kept
// out of line: its operands of several kilobytes would otherwise weigh on
// every call of the common case.
[[gnu::noinline]] Quotient Divide_long(const Binary_parts& parts, int fives, int twos)
{
    Big_unsigned a = parts.Significand();
    if (fives >= 0) {
        a.Multiply_by_power_of_5(fives);
        if (twos >= 0) {
            a.Shift_left(twos);
            return {a.Bits_from(0), -1};
        }
        return Divide_by_power_of_2(a, -twos);
    }
    Big_unsigned b(1);
    b.Multiply_by_power_of_5(-fives);
    if (twos >= 0)
        a.Shift_left(twos);
    else
        b.Shift_left(-twos);
    return Divide(a, b);
}

}  // namespace

Decimal_digits Round_to_decimal_digits(const long double& value, int count)
{
    if (count < 1 || count > Max_decimal_digits)
        throw std::invalid_argument("Round_to_decimal_digits: " + std::to_string(count) +
                                    " digits, expected 1 to " + std::to_string(Max_decimal_digits));
    const std::optional<Binary_parts> parts_of_value = Parts_of_magnitude(value);
    if (!parts_of_value)
        throw std::invalid_argument("Round_to_decimal_digits: the value must be nonzero and finite");
    const Binary_parts& parts = *parts_of_value;
    const int twos_of_value = parts.Twos;

    const Limb lowest = Powers_of_10[static_cast<std::size_t>(count - 1)];
    const Limb highest = Powers_of_10[static_cast<std::size_t>(count)];
    // The decimal exponent X = floor(log10 v) guessed from v in [2^(b−1), 2^b)
    // (the significand has its leading bit set): X is floor((b − 1) log10 2)
    // or one more. The guess is the first; a quotient too large for the
    // digits then moves it up.
    const int binary_exponent = twos_of_value + std::numeric_limits<long double>::digits;
    const double lowest_log = (binary_exponent - 1) * 0.30102999566398119521;
    int exponent = static_cast<int>(lowest_log);
    if (exponent > lowest_log)
        --exponent;
    for (;;) {
        const int fives = count - 1 - exponent;
        const int twos = twos_of_value + fives;
        const bool in_two_limbs =
            parts.High == 0 && fives >= 0 && fives < std::ssize(Powers_of_5) && twos < 0 && twos > -128;
        const Quotient q =
            in_two_limbs ? Divide_by_power_of_2(static_cast<Wide>(parts.Low) * Powers_of_5[static_cast<std::size_t>(fives)],
                                                -twos)
                         : Divide_long(parts, fives, twos);
        if (q.Value >= highest) {
            ++exponent;
            continue;
        }
        if (q.Value < lowest) {
            --exponent;
            continue;
        }
        Limb digits = q.Value;
        if (q.Remainder_against_half > 0 || (q.Remainder_against_half == 0 && digits % 2 != 0))
            ++digits;
        if (digits == highest) {
            digits = lowest;
            ++exponent;
        }
        return {digits, exponent};
    }
}

// v · 10^P = m · 5^P · 2^(e + P): an integer shifted left, or rounded to
// nearest (ties to even) when shifted right; its decimal digits, the last P
// of them after the point.
std::string Fixed_decimal_text(long double value, int decimals)
{
    if (decimals < 0)
        throw std::invalid_argument("Fixed_decimal_text: negative precision " + std::to_string(decimals));
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return sign + "nan";
    if (std::isinf(value))
        return sign + "inf";
    Big_unsigned scaled(0);
    if (value != 0) {
        const std::optional<Binary_parts> parts = Parts_of_magnitude(value);
        if (!parts)
            return sign + "nan";
        scaled = parts->Significand();
        scaled.Multiply_by_power_of_5(decimals);
        const int twos = parts->Twos + decimals;
        if (twos >= 0) {
            scaled.Shift_left(twos);
        } else {
            const bool half = scaled.Bit(-twos - 1);
            const bool below = scaled.Any_bit_below(-twos - 1);
            scaled.Shift_right(-twos);
            if (half && (below || scaled.Bit(0)))
                scaled.Add_one();
        }
    }
    std::string digits;
    do {
        // 19 digits at a time: 10^19 < 2^64.
        std::string group = std::to_string(scaled.Divide_small(Powers_of_10[19]));
        if (!scaled.Is_zero())
            group.insert(0, 19 - group.size(), '0');
        digits.insert(0, group);
    } while (!scaled.Is_zero());
    const auto fraction_digits = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction_digits)
        digits.insert(0, fraction_digits + 1 - digits.size(), '0');
    const std::size_t integer_digits = digits.size() - fraction_digits;
    std::string text = sign;
    text.append(digits, 0, integer_digits);
    if (decimals > 0) {
        text += '.';
        text.append(digits, integer_digits);
    }
    return text;
}
