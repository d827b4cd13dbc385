#include "systems/CoverageCheck.h"

#include <bit>

namespace CoverageCheck {

CoverageResult check(const std::vector<NumberMask>& rows, int k, Guarantee guarantee, std::size_t maxHoles)
{
    CoverageResult result;
    if (k < 6 || k > kMaxNumbers || !guarantee.isValid())
        return result;
    const NumberMask all = (NumberMask(1) << k) - 1;
    for (NumberMask row : rows)
        if ((row & ~all) != 0 || std::popcount(row) != 6)
            return result;
    result.checked = true;

    const int t = guarantee.hits;
    const int m = guarantee.ifDrawn;
    // Every m-subset in ascending order of its mask.
    for (NumberMask subset = (NumberMask(1) << m) - 1; subset <= all; subset = Systems::nextSubset(subset)) {
        bool covered = false;
        for (NumberMask row : rows) {
            if (std::popcount(row & subset) >= t) {
                covered = true;
                break;
            }
        }
        if (!covered) {
            ++result.holeCount;
            if (result.holes.size() < maxHoles)
                result.holes.push_back(subset);
        }
    }
    result.holds = result.holeCount == 0;
    return result;
}

CoverageResult check(const LottoSystem& system, std::size_t maxHoles)
{
    return check(system.rows, int(system.numbers.size()), system.guarantee, maxHoles);
}

} // namespace CoverageCheck
