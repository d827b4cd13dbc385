#include "stats/Rounding.h"

#include <cmath>

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result = floor + 1.0;
    return static_cast<long long>(result);
}
