#include "draws/Session.h"

void Session::makeCurrent(const Draw& draw)
{
    numbers = draw.zahl();
    drawDate = draw.datum;
    record = draw;
}

void Session::makeCurrent(const Draw& draw, int index)
{
    makeCurrent(draw);
    position = index;
}
