#include "draws/DrawLocator.h"

#include <cmath>

std::optional<LocatedDraw> locateDraw(const std::vector<Draw>& draws, double day)
{
    if (draws.empty())
        return std::nullopt;
    const double wholeDay = std::nearbyint(day);
    std::size_t index = draws.size() - 1;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].datum >= wholeDay) {
            index = i;
            break;
        }
    }
    return LocatedDraw{int(index), draws[index], index == 0};
}
