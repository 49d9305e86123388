#include "Difference_density.h"

#include <stdexcept>

namespace {

std::unique_ptr<tContinuous_distribution> Standard_distribution(Extended df)
{
    if (df > T_normal_above_df)
        return std::make_unique<tNormal_distribution>(0.0L, 1.0L);
    return std::make_unique<tT_distribution>(df);
}

}  // namespace

Difference_density::Difference_density(Extended df, Extended sd_difference)
    : scale_(sd_difference), normal_(df > T_normal_above_df), standard_(Standard_distribution(df))
{
    if (!(sd_difference > 0))
        throw std::invalid_argument("Difference_density: the SD of the difference must be positive");
}

Extended Difference_density::operator()(Extended x) const
{
    return standard_->Density(x / scale_) / scale_;
}
