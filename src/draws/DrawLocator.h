#pragma once

#include "draws/Draw.h"

#include <optional>
#include <vector>

// The draw that becomes the current draw for a chosen date.
struct LocatedDraw {
    int index = 0;            // 0-based record index: the new Position
    Draw draw;
    bool firstRecord = false; // the draw line then gets one blank more
};

// The first draw dated on or after the day (rounded to the nearest whole day,
// as a picker may carry a time), else the latest draw; nullopt for an empty
// database. Relies on the records being in date order.
std::optional<LocatedDraw> locateDraw(const std::vector<Draw>& draws, double day);
