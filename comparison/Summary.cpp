// The summary's sentences, statistics line and key figures, from the
// comparison's numbers and the language's table. The summary is composed
// for every row of a table that asks for it, so its patterns are taken apart
// into text and slots when the program is compiled, and filled in one pass
// into text whose room is reserved once.
#include "Summary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "Number_format.h"
#include "Report.h"
#include "distrib.h"

namespace {

// The difference, the percentages and the effect size keep two decimals,
// the p values three; the scores are written with the decimals they need, up
// to six.
constexpr int Decimals = 2;
constexpr int P_decimals = 3;
constexpr int Score_decimals = 6;
constexpr std::size_t Sentences_room = 640;
constexpr std::size_t Statistics_room = 256;
// Below this a p value is written "< .001", never "= .000".
constexpr Extended Smallest_p = 0.001L;
// A decimal such as .0015 or 8.675 has no exact binary value: the number that
// stands for it lies a few units in the last place on either side of the
// tie. Moving every value away from zero by a few units in the last place,
// far less than the comparison's accuracy, makes these, and exact ties,
// round half away from zero, as the decimal they stand for does.
constexpr Extended Tie_nudge = 64 * std::numeric_limits<Extended>::epsilon();
constexpr std::array<std::uint64_t, Score_decimals + 1> Powers_of_ten = {1, 10, 100, 1000, 10000, 100000, 1000000};
// Units of the last decimal up to this are whole numbers that the extended
// significand holds exactly, with room for the added half.
constexpr Extended Largest_units = 0x1p62L;

// The value with the given decimals (up to Score_decimals), rounded once from
// its full value, half away from zero: the nudged magnitude scaled to units
// of the last decimal (one rounding of the product, within the nudge) and
// rounded to a whole number of them. A magnitude beyond Largest_units units
// goes to the report's formatter, which rounds from the exact value.
std::string Rounded(Extended value, int decimals, char separator)
{
    const std::uint64_t scale = Powers_of_ten.at(static_cast<std::size_t>(decimals));
    const Extended nudged = std::fabs(value) * (1 + Tie_nudge);
    const Extended units = nudged * static_cast<Extended>(scale) + 0.5L;
    if (!(units < Largest_units))
        return Format_fixed(std::copysign(nudged, value), 1, decimals, separator);
    // Not negative: the conversion's truncation is the floor. The digits are
    // written from the last one back.
    auto whole = static_cast<std::uint64_t>(units);
    std::array<char, 32> chars{};
    char* const end = chars.data() + chars.size();
    char* at = end;
    for (int i = 0; i < decimals; ++i, whole /= 10)
        *--at = static_cast<char>('0' + whole % 10);
    if (decimals > 0)
        *--at = separator;
    do
        *--at = static_cast<char>('0' + whole % 10);
    while ((whole /= 10) != 0);
    if (std::signbit(value))
        *--at = '-';
    return {at, end};
}

// A score with the decimals it needs, up to Score_decimals.
std::string Score(Extended value, char separator)
{
    std::string text = Rounded(value, Score_decimals, separator);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == separator)
        text.pop_back();
    return text;
}

// The slots that a pattern may name, "{d}" to "{plimits}", in the order of
// their names.
enum class Slot : std::uint8_t { D, A, B, Percent, Limits, Z, N, Above, Level, Lo, Hi, P1, P2, Normal, Zlimits, Plimits };
constexpr std::array<std::string_view, 16> Slot_names = {
    "d", "a", "b", "percent", "limits", "z", "n", "above", "level", "lo", "hi", "p1", "p2", "normal", "zlimits", "plimits"};

// The patterns are taken apart while compiling, where a throw stops the
// compilation with its message.
constexpr Slot Slot_named(std::string_view name)
{
    for (std::size_t i = 0; i < Slot_names.size(); ++i)
        if (Slot_names[i] == name)
            return static_cast<Slot>(i);
    throw std::logic_error("a summary pattern names an unknown slot");
}

// A pattern taken apart once, when the program is compiled: each piece is the
// text up to a slot and that slot; the last piece's text ends the pattern.
struct Pattern {
    struct Piece {
        std::string_view Text;
        Slot Filled_by = Slot::D;
    };
    static constexpr std::size_t Most_pieces = 10;
    std::array<Piece, Most_pieces> Pieces{};
    std::size_t Count = 0;
};

constexpr Pattern Parsed(std::string_view text)
{
    Pattern pattern;
    for (std::size_t at = 0;;) {
        if (pattern.Count == Pattern::Most_pieces)
            throw std::logic_error("a summary pattern has too many slots");
        const std::size_t open = text.find('{', at);
        if (open == std::string_view::npos) {
            pattern.Pieces[pattern.Count++].Text = text.substr(at);
            return pattern;
        }
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            throw std::logic_error("a summary pattern has an unclosed slot");
        pattern.Pieces[pattern.Count++] = {text.substr(at, open - at), Slot_named(text.substr(open + 1, close - open - 1))};
        at = close + 1;
    }
}

// One language's patterns, taken apart.
struct Summary_patterns {
    Pattern Higher, Lower, Same, Percentage, Effect, Normal_sentence, Interval, Lower_limit, Upper_limit;
    Pattern Statistics, Normal_clause, Statistics_interval, Statistics_lower, Statistics_upper;
};

constexpr std::array<Summary_patterns, Summary_languages.size()> Patterns = [] {
    std::array<Summary_patterns, Summary_languages.size()> all{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Summary_words& w = Summary_languages[i];
        all[i] = {Parsed(w.Higher),     Parsed(w.Lower),       Parsed(w.Same),
                  Parsed(w.Percentage), Parsed(w.Effect),      Parsed(w.Normal_sentence),
                  Parsed(w.Interval),   Parsed(w.Lower_limit), Parsed(w.Upper_limit),
                  Parsed(w.Statistics), Parsed(w.Normal_clause), Parsed(w.Statistics_interval),
                  Parsed(w.Statistics_lower), Parsed(w.Statistics_upper)};
    }
    return all;
}();

const Summary_patterns& Patterns_of(const Summary_words& words)
{
    return Patterns.at(static_cast<std::size_t>(&words - Summary_languages.data()));
}

// What fills a slot: a text, or a pattern of its own filled with other slots.
struct Slot_text {
    Slot Name;
    std::string_view Text;
    const Pattern* Inner = nullptr;
    const std::initializer_list<Slot_text>* Inner_slots = nullptr;
};
using Slot_texts = std::initializer_list<Slot_text>;

// Appends the pattern to text with each slot replaced by its text; a slot
// that the pattern does not name is left out.
void Fill(std::string& text, const Pattern& pattern, Slot_texts slots)
{
    for (std::size_t i = 0;; ++i) {
        const Pattern::Piece& piece = pattern.Pieces[i];
        text.append(piece.Text);
        if (i + 1 == pattern.Count)
            return;
        const auto slot =
            std::find_if(slots.begin(), slots.end(), [&piece](const Slot_text& s) { return s.Name == piece.Filled_by; });
        if (slot == slots.end())
            throw std::logic_error("a summary pattern names the slot {" +
                                   std::string(Slot_names[static_cast<std::size_t>(piece.Filled_by)]) +
                                   "}, which is not filled there");
        if (slot->Inner)
            Fill(text, *slot->Inner, *slot->Inner_slots);
        else
            text.append(slot->Text);
    }
}

std::string Filled(const Pattern& pattern, Slot_texts slots)
{
    std::string text;
    Fill(text, pattern, slots);
    return text;
}

bool Shows_only_zeros(const std::string& digits)
{
    return std::none_of(digits.begin(), digits.end(), [](char c) { return c >= '1' && c <= '9'; });
}

// Numbers in one language's style.
class Number_style {
public:
    explicit Number_style(const Summary_words& words) : words_(words) {}

    char Separator() const { return words_.Decimal_separator; }

    // Two decimals; a value that rounds to zero is written without a sign.
    std::string Fixed(Extended value) const
    {
        std::string text = Rounded(value, Decimals, Separator());
        if (text.front() == '-' && Shows_only_zeros(text))
            text.erase(0, 1);
        return text;
    }

    // A size (not negative) with two decimals, or "< 0.01" when it is not
    // zero but would show as zero.
    std::string Amount(Extended value) const
    {
        std::string text = Fixed(value);
        if (value != 0 && Shows_only_zeros(text))
            return "< " + Fixed(std::pow(10.0L, -Decimals));
        return text;
    }

    std::string Percent(Extended value) const { return Amount(value).append(words_.Percent); }

    // A p value with its relation: "= .087", "< .001", and "> .999" for a
    // value below 1 that three decimals would round to 1.
    std::string P(Extended p) const
    {
        if (p < Smallest_p)
            return "< " + Without_leading_zero(Rounded(Smallest_p, P_decimals, Separator()));
        const std::string text = Rounded(p, P_decimals, Separator());
        if (p < 1 && text.front() == '1')
            return "> " + Without_leading_zero(Rounded(1 - Smallest_p, P_decimals, Separator()));
        return "= " + Without_leading_zero(text);
    }

private:
    // A number that cannot exceed 1 loses the zero before its separator.
    std::string Without_leading_zero(std::string text) const
    {
        if (text.size() > 1 && text[0] == '0' && text[1] == Separator())
            text.erase(0, 1);
        return text;
    }

    const Summary_words& words_;
};

// The pattern for the kind of limits the request asked for.
const Pattern& Limits_pattern(Limits kind, const Pattern& interval, const Pattern& lower, const Pattern& upper)
{
    return kind == Limits::Two_sided ? interval : kind == Limits::Lower ? lower : upper;
}

// A p value as a key figure: without "= ".
std::string P_figure(const std::string& p)
{
    return p.compare(0, 2, "= ") == 0 ? p.substr(2) : p;
}

// The numbers of one summary as its language writes them, each rounded once.
struct Summary_numbers {
    Summary_numbers(const Comparison_request& request, const Comparison_result& r, const Summary_words& words)
        : Style(words),
          Level(Level_text(request.Level, Style.Separator())),
          Percent(Style.Percent(r.Percent_estimate)),
          Percent_lo(Style.Percent(r.Percent_lower)),
          Percent_hi(Style.Percent(r.Percent_upper)),
          Z(Style.Fixed(r.Effect_size)),
          Z_lo(Style.Fixed(r.Effect_lower)),
          Z_hi(Style.Fixed(r.Effect_upper)),
          P1(Style.P(r.P_one_tailed)),
          P2(Style.P(r.P_two_tailed))
    {
    }

    Number_style Style;
    std::string Level, Percent, Percent_lo, Percent_hi, Z, Z_lo, Z_hi, P1, P2;
};

// The pattern of the limits in the statistics line.
const Pattern& Statistics_limits(const Summary_patterns& p, Limits kind)
{
    return Limits_pattern(kind, p.Statistics_interval, p.Statistics_lower, p.Statistics_upper);
}

}  // namespace

Summary Compose_summary(const Comparison_request& request, const Comparison_result& result,
                        Summary_language language)
{
    const Summary_words& w = Words_of(language);
    const Summary_patterns& p = Patterns_of(w);
    const Summary_numbers x(request, result, w);
    const Number_style& style = x.Style;
    const Comparison_result& r = result;
    const Limits kind = request.Limits_kind;
    // Whole numbers.
    const std::string n = std::to_string(static_cast<long long>(r.Df) + 1);
    const std::string above = std::to_string(static_cast<long long>(T_normal_above_df));
    const bool normal = r.Df > T_normal_above_df;

    const Slot_texts percent_limits = {{Slot::Level, x.Level}, {Slot::Lo, x.Percent_lo}, {Slot::Hi, x.Percent_hi}};
    const Slot_texts z_limits = {{Slot::Level, x.Level}, {Slot::Lo, x.Z_lo}, {Slot::Hi, x.Z_hi}};
    const Slot_texts normal_slots = {{Slot::Above, above}};
    const Pattern& sentence_limits = Limits_pattern(kind, p.Interval, p.Lower_limit, p.Upper_limit);

    Summary summary;
    const Extended d = r.Raw_difference;
    const std::string a = Score(request.Case_A, style.Separator());
    const std::string b = Score(request.Case_B, style.Separator());
    std::string& sentences = summary.Sentences;
    // Room for the longest sentences of any language, so that they are
    // written without moving.
    sentences.reserve(Sentences_room);
    summary.Statistics.reserve(Statistics_room);
    if (d == 0) {
        Fill(sentences, p.Same, {{Slot::A, a}});
    } else {
        const std::string amount = style.Amount(std::fabs(d));
        Fill(sentences, d > 0 ? p.Higher : p.Lower, {{Slot::D, amount}, {Slot::A, a}, {Slot::B, b}});
        sentences += ' ';
        Fill(sentences, p.Percentage,
             {{Slot::Percent, x.Percent}, {Slot::Limits, {}, &sentence_limits, &percent_limits}});
    }
    sentences += ' ';
    Fill(sentences, p.Effect, {{Slot::Z, x.Z}, {Slot::Limits, {}, &sentence_limits, &z_limits}, {Slot::N, n}});
    if (normal && d != 0) {
        sentences += ' ';
        Fill(sentences, p.Normal_sentence, normal_slots);
    }

    const Pattern& statistics_limits = Statistics_limits(p, kind);
    Fill(summary.Statistics, p.Statistics,
         {{Slot::P1, x.P1},
          {Slot::P2, x.P2},
          normal ? Slot_text{Slot::Normal, {}, &p.Normal_clause, &normal_slots} : Slot_text{Slot::Normal, {}},
          {Slot::Z, x.Z},
          {Slot::Zlimits, {}, &statistics_limits, &z_limits},
          {Slot::Percent, x.Percent},
          {Slot::Plimits, {}, &statistics_limits, &percent_limits},
          {Slot::N, n}});
    return summary;
}

std::vector<Key_figure> Key_figures(const Comparison_request& request, const Comparison_result& result,
                                    Summary_language language)
{
    const Summary_words& w = Words_of(language);
    const Summary_numbers x(request, result, w);
    const Pattern& limits = Statistics_limits(Patterns_of(w), request.Limits_kind);
    return {
        {std::string(w.Difference_caption), x.Style.Fixed(result.Raw_difference), ""},
        {std::string(w.P_one_tailed_caption), P_figure(x.P1), ""},
        {std::string(w.P_two_tailed_caption), P_figure(x.P2), ""},
        {std::string(w.Percentage_caption), x.Percent,
         Filled(limits, {{Slot::Level, x.Level}, {Slot::Lo, x.Percent_lo}, {Slot::Hi, x.Percent_hi}})},
        {std::string(w.Effect_caption), x.Z,
         Filled(limits, {{Slot::Level, x.Level}, {Slot::Lo, x.Z_lo}, {Slot::Hi, x.Z_hi}})},
    };
}
