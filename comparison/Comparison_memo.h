// What the comparisons of a table share from row to row: the distributions
// and the credible quantiles, made once and kept, so that a row costs little
// more than its own arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Comparison.h"
#include "distrib.h"

// The two chi-square quantiles behind the credible limits depend only on N,
// the kind of limits and the level, not on the scores or the SD. A table of
// comparisons asks for the same few pairs row after row (one per control
// sample and kind of limits); this keeps every pair computed, up to a given
// number of entries: a pair beyond that makes it start afresh, so that its
// memory stays within Bytes_per_entry for each entry allowed.
//
// A standard unordered map: the open-addressing table once written for it
// saved 0-4% of a row, statistics alone or whole, on tables of one and of 97
// control samples, and nothing where N changes at every row: within the
// noise (voran-bench --benchmark_filter=BM_Table_row_ with VORAN_BENCH_TABLE
// naming each of scripts/bench's three tables, 50,000 rows).
class Credible_quantile_memo {
public:
    struct Quantiles {
        Extended Lower = 0;  // q_lo
        Extended Upper = 0;  // q_hi
    };

    static constexpr std::size_t Default_max_entries = std::size_t{1} << 16;

    explicit Credible_quantile_memo(std::size_t max_entries = Default_max_entries);

    // The pair kept for these inputs, or nothing.
    std::optional<Quantiles> Find(std::int32_t N, bool Two_sided, Extended Level) const;
    void Keep(std::int32_t N, bool Two_sided, Extended Level, Quantiles quantiles);

    // How many pairs are kept.
    std::size_t Size() const { return Kept.size(); }

private:
    struct Key {
        std::int32_t N = 0;
        bool Two_sided = false;
        Extended Level = 0;
        bool operator==(const Key&) const = default;
    };
    struct Key_hash {
        std::size_t operator()(const Key& key) const;
    };

public:
    // The most memory an entry takes: its node (the key and the pair, a link
    // and the hash code) with the allocator's header, and up to two bucket
    // pointers, within twice the key and the pair.
    static constexpr std::size_t Bytes_per_entry = 2 * (sizeof(Key) + sizeof(Quantiles));

private:
    std::unordered_map<Key, Quantiles, Key_hash> Kept;
    std::size_t Max_entries;
};

// What the comparisons of a table share from row to row, each the same
// whichever row made it: the credible quantiles, the standard normal, and
// the t distributions of the last control samples, one per N modulo the
// number of t distributions kept (at most Bytes_per_t_distribution each).
class Comparison_memo {
public:
    static constexpr std::size_t Default_t_distributions = 256;

    explicit Comparison_memo(std::size_t max_quantile_entries = Credible_quantile_memo::Default_max_entries,
                             std::size_t t_distributions = Default_t_distributions);

    Credible_quantile_memo Quantiles;

    const tNormal_distribution& Standard_normal();
    // The t distribution on N − 1 degrees of freedom; its errors, when it
    // cannot be made, pass through and nothing is kept.
    const tT_distribution& T_distribution(std::int32_t N);

private:
    struct Kept_t {
        std::int32_t N = 0;  // 0: none
        std::optional<tT_distribution> T;
    };

public:
    static constexpr std::size_t Bytes_per_t_distribution = sizeof(Kept_t);

private:
    std::optional<tNormal_distribution> Normal;
    std::vector<Kept_t> T;
};

// Compare_two_cases with the distributions and the quantiles taken from memo
// when it holds them, and kept there when they are made: the same numbers
// and the same errors, with the t distribution made once per control sample
// and the chi-square quantile searches done once per control sample, kind
// of limits and level.
Comparison_result Compare_two_cases(const Comparison_request& request, Comparison_memo& memo);
