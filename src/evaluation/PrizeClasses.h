#pragma once

#include "draws/Draw.h"

#include <QString>

#include <array>
#include <span>

// Prize classes of the 6 of 49 by the rules in force on a draw's date, and the
// classes of the two digit games played with the ticket number. One table
// keyed by date holds the class rules, so that a later change of rules is one
// more row.
namespace Prize {

// What a class asks beyond the hits on the six drawn numbers.
enum class Extra { None, SuperNumber, Bonus };

struct ClassRule {
    int hits;
    Extra extra;
};

struct Era {
    double from;                         // first draw date under these rules
    std::span<const ClassRule> classes;  // class 1 first
};

// The rules in force on `date`, or nullptr when no class table is kept for
// that date (draws before 22.05.1999).
const Era* eraOn(double date);
int classCount(const Era& era);

// The class under `era` for a row with `hits` on the six numbers; `superMatch`
// says the ticket's super number equals the draw's, `bonusMatch` that a
// number of the row equals the bonus. 0 when the row won nothing.
int classOf(const Era& era, int hits, bool superMatch, bool bonusMatch);

// The ticket number: exactly seven digits (blanks around it are ignored).
bool isValidLosnummer(const QString& losnummer);
// Its last digit, the ticket's super number; -1 for an invalid number.
int ticketSuperNumber(const QString& losnummer);

// What one row of a ticket won in one draw.
struct RowResult {
    int hits = 0;             // on the six drawn numbers, at most 6
    bool bonusMatch = false;  // a number of the row is the draw's bonus number
    bool superMatch = false;  // the ticket's super number is the draw's
    int prizeClass = 0;       // 0: none, or no class table for the date
};

// Rates one row (six numbers; 0 marks an unused place, which never matches)
// against `draw`. `ticketSuper` is the ticket's super number, -1 when unknown:
// then no class that asks for the super number is given.
RowResult rateRow(const std::array<int, 6>& row, const Draw& draw, int ticketSuper);
// The same from hits already counted.
RowResult rateHits(int hits, bool bonusMatch, const Draw& draw, int ticketSuper);

// Spiel 77 (all seven digits of the ticket number) and Super 6 (its last six)
// against the draw's digits: the class from the matching final digits,
// Spiel 77 classes 1..7 for 7..1, Super 6 classes 1..6 for 6..1. 0 when
// nothing matched; -1 when the ticket number is invalid or the draw holds no
// digits for the game.
int spiel77Class(const QString& losnummer, const Draw& draw);
int super6Class(const QString& losnummer, const Draw& draw);

constexpr int kSpiel77Classes = 7;
constexpr int kSuper6Classes = 6;
// The operator's fixed amount of a class in cents; 0 for Spiel 77 class 1,
// the jackpot, whose amount varies.
qint64 spiel77AmountCents(int prizeClass);
qint64 super6AmountCents(int prizeClass);

} // namespace Prize
