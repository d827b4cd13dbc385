#include "generator/PoolBands.h"

#include "stats/Rounding.h"

namespace {

constexpr double kGroupFraction = 0.3;

} // namespace

Band numberTopBand(double max, double min, double fraction)
{
    return {roundHalfEven(max - fraction * (max - min)), roundHalfEven(max), false};
}

Band numberBottomBand(double max, double min, double fraction)
{
    return {roundHalfEven(min), roundHalfEven(min + fraction * (max - min)), false};
}

Band groupTopBand(double max, double min)
{
    return {roundHalfEven(max - kGroupFraction * (max - min)), roundHalfEven(max), true};
}

Band groupBottomBand(double max, double min)
{
    return {0, roundHalfEven(min + kGroupFraction * (max - min)), true};
}
