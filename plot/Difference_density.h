// The density of the difference D between the scores of two controls drawn
// at random, on the raw score scale. D / s follows Student's t on df degrees
// of freedom, with s = SD sqrt(2) the SD of the difference, so
//     f_D(x) = f_t(x / s) / s.
// Above T_normal_above_df degrees of freedom the library's t distribution function is the
// standard normal one, and so is the density here: the area under the curve
// beyond the cases' difference is then the p that the report prints.
#pragma once

#include <memory>

#include "distrib.h"

class Difference_density {
public:
    // df > 0; sd_difference > 0.
    Difference_density(Extended df, Extended sd_difference);

    Extended operator()(Extended x) const;

    // True when the standard normal stands for the t distribution.
    bool Normal() const { return normal_; }

private:
    Extended scale_;
    bool normal_;
    std::unique_ptr<tContinuous_distribution> standard_;
};
