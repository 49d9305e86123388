#include "Comparison_memo.h"

#include <algorithm>
#include <functional>

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
    : Max_entries(std::max<std::size_t>(max_entries, 1))
{
}

std::size_t Credible_quantile_memo::Key_hash::operator()(const Key& key) const
{
    const std::size_t n = static_cast<std::uint32_t>(key.N);
    return std::hash<Extended>{}(key.Level) * 31 + n * 2 + (key.Two_sided ? 1 : 0);
}

std::optional<Credible_quantile_memo::Quantiles> Credible_quantile_memo::Find(std::int32_t N, bool Two_sided,
                                                                              Extended Level) const
{
    const auto found = Kept.find({N, Two_sided, Level});
    if (found == Kept.end())
        return std::nullopt;
    return found->second;
}

void Credible_quantile_memo::Keep(std::int32_t N, bool Two_sided, Extended Level, Quantiles quantiles)
{
    const Key key{N, Two_sided, Level};
    if (Kept.size() == Max_entries && !Kept.contains(key))
        Kept.clear();
    Kept[key] = quantiles;
}
