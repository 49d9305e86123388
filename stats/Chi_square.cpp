// The chi-square distribution with k degrees of freedom.
#include "distrib.h"

tChi_square_distribution::tChi_square_distribution(Extended k) { Set_parameters(k, 0.0L, 0.0L); }

// Chi-square with k degrees of freedom is the gamma with shape k/2, rate 1/2.
bool tChi_square_distribution::Set_parameters(Extended p1, Extended, Extended)
{
    return tGamma_distribution::Set_parameters(p1 / 2.0L, 0.5L, 0.0L);
}
