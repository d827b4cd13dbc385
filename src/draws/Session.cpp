#include "draws/Session.h"

void Session::makeCurrent(const Draw& draw)
{
    numbers = draw.zahl();
    drawDate = draw.datum;
    record = draw;
}

Draw Session::currentRecord() const
{
    if (record.datum == drawDate && record.zahl() == numbers)
        return record;
    Draw draw;
    draw.datum = drawDate;
    for (std::size_t i = 0; i < draw.zahlen.size(); ++i)
        draw.zahlen[i] = std::uint8_t(numbers[i + 1]);
    return draw;
}

void Session::makeCurrent(const Draw& draw, int index)
{
    makeCurrent(draw);
    position = index;
}
