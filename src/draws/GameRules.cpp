#include "draws/GameRules.h"

#include "draws/DateSerial.h"

#include <QDate>

#include <algorithm>

namespace GameRules {

namespace {
// Functions, not statics: the date conversion's own statics need not be
// ready while this file's are initialised.
double lastBonusDraw()
{
    static const double date = DateSerial::fromDate(QDate(2013, 5, 1));
    return date;
}
double firstSuperDraw()
{
    static const double date = DateSerial::fromDate(QDate(1991, 12, 7));
    return date;
}

template <std::size_t N>
bool holdsDigits(const std::array<std::uint8_t, N>& digits)
{
    return std::all_of(digits.begin(), digits.end(), [](std::uint8_t d) { return isDigitValue(d); })
        && std::any_of(digits.begin(), digits.end(), [](std::uint8_t d) { return d != 0; });
}
} // namespace

bool bonusDrawnOn(double date) { return date < lastBonusDraw() + 1; }
bool superDrawnOn(double date) { return date >= firstSuperDraw(); }

bool hasBonus(const Draw& draw) { return bonusDrawnOn(draw.datum) && isLottoNumber(draw.bonus()); }
bool hasSuperNumber(const Draw& draw)
{
    return superDrawnOn(draw.datum) && isDigitValue(draw.superNumber());
}
bool hasSpiel77(const Draw& draw) { return holdsDigits(draw.spiel77); }
bool hasSuper6(const Draw& draw) { return holdsDigits(draw.super6); }

QByteArray gameDigitsText(std::span<const std::uint8_t> digits)
{
    QByteArray text;
    for (std::uint8_t d : digits)
        text += char('0' + d);
    return text;
}

} // namespace GameRules
