#pragma once

#include "draws/Draw.h"

#include <QByteArray>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

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

// A game's digits from text that is exactly N digits, first digit first;
// none for any other text. Callers trim and decide what no digits mean.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> gameDigits(QStringView text)
{
    if (text.size() != qsizetype(N))
        return std::nullopt;
    std::array<std::uint8_t, N> digits{};
    for (std::size_t i = 0; i < N; ++i) {
        const QChar c = text[qsizetype(i)];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits[i] = std::uint8_t(c.unicode() - u'0');
    }
    return digits;
}

// A game's digits as text, first digit first.
QByteArray gameDigitsText(std::span<const std::uint8_t> digits);

} // namespace GameRules
