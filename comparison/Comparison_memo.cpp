#include "Comparison_memo.h"

#include <algorithm>
#include <bit>
#include <cstring>

Comparison_memo::Comparison_memo(std::size_t max_quantile_entries, std::size_t t_distributions)
    : Quantiles(max_quantile_entries), T(std::max<std::size_t>(t_distributions, 1))
{
}

const tNormal_distribution& Comparison_memo::Standard_normal()
{
    if (!Normal)
        Normal.emplace(0.0L, 1.0L);
    return *Normal;
}

const tT_distribution& Comparison_memo::T_distribution(std::int32_t N)
{
    Kept_t& kept = T[static_cast<std::uint32_t>(N) % T.size()];
    if (kept.N != N) {
        kept.N = 0;  // none, should the new one fail
        kept.T.emplace(Degrees_of_freedom(N));
        kept.N = N;
    }
    return *kept.T;
}

Credible_quantile_memo::Credible_quantile_memo(std::size_t max_entries)
    : Max_entries(std::bit_floor(std::max<std::size_t>(max_entries, 1)))
{
}

// The 80 bits of the level and N mixed by multiplication with odd constants
// (a multiplicative hash); the top bits of the product choose the slot.
std::size_t Credible_quantile_memo::First_slot(std::int32_t N, bool Two_sided, Extended Level) const
{
    std::uint64_t level_bits[2] = {0, 0};
    std::memcpy(level_bits, &Level, 10);
    std::uint64_t hash = static_cast<std::uint64_t>(static_cast<std::uint32_t>(N)) * 2 + (Two_sided ? 1 : 0);
    hash = (hash ^ level_bits[0]) * 0x9E3779B97F4A7C15ULL;
    hash = (hash ^ level_bits[1]) * 0xC2B2AE3D27D4EB4FULL;
    return static_cast<std::size_t>(hash >> 32) & (Slots.size() - 1);
}

std::size_t Credible_quantile_memo::Slot_of(std::int32_t N, bool Two_sided, Extended Level) const
{
    for (std::size_t slot = First_slot(N, Two_sided, Level);; slot = (slot + 1) & (Slots.size() - 1)) {
        const Entry& entry = Slots[slot];
        if (entry.N == 0 || (entry.N == N && entry.Two_sided == Two_sided && entry.Level == Level))
            return slot;
    }
}

std::optional<Credible_quantile_memo::Quantiles> Credible_quantile_memo::Find(std::int32_t N, bool Two_sided,
                                                                              Extended Level) const
{
    if (Slots.empty())
        return std::nullopt;
    const Entry& entry = Slots[Slot_of(N, Two_sided, Level)];
    if (entry.N == 0)
        return std::nullopt;
    return entry.Kept;
}

void Credible_quantile_memo::Keep(std::int32_t N, bool Two_sided, Extended Level, Quantiles quantiles)
{
    if (!Slots.empty()) {
        Entry& entry = Slots[Slot_of(N, Two_sided, Level)];
        if (entry.N != 0) {
            entry.Kept = quantiles;
            return;
        }
    }
    if (Count == Max_entries) {
        Slots.assign(Slots.size(), Entry{});
        Count = 0;
    }
    if (2 * (Count + 1) > Slots.size())
        Grow();
    Slots[Slot_of(N, Two_sided, Level)] = Entry{N, Two_sided, Level, quantiles};
    ++Count;
}

// Twice the slots (at least 16, at most twice the entries allowed), every
// entry placed anew.
void Credible_quantile_memo::Grow()
{
    std::vector<Entry> old(std::max<std::size_t>(16, 2 * Slots.size()));
    old.swap(Slots);
    for (const Entry& entry : old)
        if (entry.N != 0)
            Slots[Slot_of(entry.N, entry.Two_sided, entry.Level)] = entry;
}
