#include "draws/DamagedDraws.h"

#include "draws/DateSerial.h"

#include <algorithm>
#include <cmath>

bool isDamagedDraw(const Draw& draw)
{
    if (!std::isfinite(draw.datum) || draw.datum <= 0.0 || !DateSerial::toDate(draw.datum).isValid())
        return true;
    for (int i = 0; i < 6; ++i)
        if (!isLottoNumber(draw.number(i)))
            return true;
    return draw.bonus() > 49 || !isDigitValue(draw.superNumber());
}

std::size_t countDamagedDraws(const std::vector<Draw>& draws)
{
    return std::size_t(std::count_if(draws.begin(), draws.end(), isDamagedDraw));
}
