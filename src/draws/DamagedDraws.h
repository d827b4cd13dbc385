#pragma once

#include "draws/Draw.h"

#include <cstddef>
#include <vector>

// A record whose values no real draw can have: a date that is no calendar
// day, a number outside 1..49, a bonus number above 49 (0 = none), or a super
// number above 9. Every reader skips such values; the user is told how many.
bool isDamagedDraw(const Draw& draw);
std::size_t countDamagedDraws(const std::vector<Draw>& draws);
