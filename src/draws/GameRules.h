#pragma once

#include "draws/Draw.h"

// What the game drew on a given date. The bonus number (Zusatzzahl) was drawn
// until 01.05.2013 and abolished with the draw of 04.05.2013; the super number
// has been drawn since 07.12.1991. A record keeps 0 where a value was not
// drawn, so these dates, not the stored bytes alone, say what a draw had.
namespace GameRules {

bool bonusDrawnOn(double date);
bool superDrawnOn(double date);

// The draw has a bonus number to show and compare: drawn on its date and a
// number 1..49 in the record.
bool hasBonus(const Draw& draw);
// The draw has a super number: drawn on its date and a digit in the record.
bool hasSuperNumber(const Draw& draw);

// The digits of Spiel 77 / Super 6 when the record holds them: every byte a
// digit and not all of them 0 (a record without the games keeps zeros).
bool hasSpiel77(const Draw& draw);
bool hasSuper6(const Draw& draw);

} // namespace GameRules
