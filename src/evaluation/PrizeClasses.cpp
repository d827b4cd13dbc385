#include "evaluation/PrizeClasses.h"

#include "draws/DateSerial.h"
#include "draws/GameRules.h"
#include "evaluation/Zettelcheck.h"

#include <QDate>

#include <algorithm>

namespace Prize {

namespace {

using enum Extra;

// With the Zusatzzahl: the super number only decides the top class.
constexpr ClassRule kBonusEra[] = {
    {6, SuperNumber}, {6, None}, {5, Bonus}, {5, None},
    {4, Bonus}, {4, None}, {3, Bonus}, {3, None},
};
// Since the Zusatzzahl was abolished: the super number decides every pair.
constexpr ClassRule kSuperEra[] = {
    {6, SuperNumber}, {6, None}, {5, SuperNumber}, {5, None}, {4, SuperNumber},
    {4, None}, {3, SuperNumber}, {3, None}, {2, SuperNumber},
};

// Built on first use: the date conversion has statics of its own that
// need not be ready while this file's statics are initialised.
std::span<const Era> eras()
{
    static const Era table[] = {
        {DateSerial::fromDate(QDate(1999, 5, 22)), kBonusEra},
        {DateSerial::fromDate(QDate(2013, 5, 4)), kSuperEra},
    };
    return table;
}

constexpr qint64 kSpiel77Cents[kSpiel77Classes] = {0, 7777700, 777700, 77700, 7700, 1700, 500};
constexpr qint64 kSuper6Cents[kSuper6Classes] = {10000000, 666600, 66600, 6600, 600, 250};

// Matching final digits of `ticket` (its last `digits.size()` digits) and the
// drawn digits, counted from the last digit back to the first mismatch.
template <std::size_t N>
int matchingFinalDigits(const QString& ticket, const std::array<std::uint8_t, N>& digits)
{
    int matches = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const QChar c = ticket.at(ticket.size() - 1 - static_cast<qsizetype>(i));
        if (c.digitValue() != digits[N - 1 - i])
            break;
        ++matches;
    }
    return matches;
}

} // namespace

const Era* eraOn(double date)
{
    const Era* found = nullptr;
    for (const Era& era : eras())
        if (date >= era.from)
            found = &era;
    return found;
}

int classCount(const Era& era) { return static_cast<int>(era.classes.size()); }

int classOf(const Era& era, int hits, bool superMatch, bool bonusMatch)
{
    for (std::size_t i = 0; i < era.classes.size(); ++i) {
        const ClassRule& rule = era.classes[i];
        if (rule.hits != hits)
            continue;
        if ((rule.extra == SuperNumber && !superMatch) || (rule.extra == Bonus && !bonusMatch))
            continue;
        return static_cast<int>(i) + 1;
    }
    return 0;
}

bool isValidLosnummer(const QString& losnummer)
{
    const QString number = losnummer.trimmed();
    return number.size() == 7
        && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int ticketSuperNumber(const QString& losnummer)
{
    return isValidLosnummer(losnummer) ? losnummer.trimmed().back().digitValue() : -1;
}

RowResult rateHits(int hits, bool bonusMatch, const Draw& draw, int ticketSuper)
{
    RowResult result;
    result.hits = std::clamp(hits, 0, 6);
    result.bonusMatch = bonusMatch && GameRules::hasBonus(draw);
    result.superMatch = ticketSuper >= 0 && GameRules::hasSuperNumber(draw)
        && draw.superNumber() == ticketSuper;
    if (const Era* era = eraOn(draw.datum))
        result.prizeClass = classOf(*era, result.hits, result.superMatch, result.bonusMatch);
    return result;
}

RowResult rateRow(const std::array<int, 6>& row, const Draw& draw, int ticketSuper)
{
    const CheckResult check = zettelcheck(row, draw.zahl());
    return rateHits(check.gewinn, check.zusatz, draw, ticketSuper);
}

int spiel77Class(const QString& losnummer, const Draw& draw)
{
    if (!isValidLosnummer(losnummer) || !GameRules::hasSpiel77(draw))
        return -1;
    const int matches = matchingFinalDigits(losnummer.trimmed(), draw.spiel77);
    return matches == 0 ? 0 : kSpiel77Classes + 1 - matches;
}

int super6Class(const QString& losnummer, const Draw& draw)
{
    if (!isValidLosnummer(losnummer) || !GameRules::hasSuper6(draw))
        return -1;
    const int matches = matchingFinalDigits(losnummer.trimmed(), draw.super6);
    return matches == 0 ? 0 : kSuper6Classes + 1 - matches;
}

qint64 spiel77AmountCents(int prizeClass)
{
    return prizeClass >= 1 && prizeClass <= kSpiel77Classes ? kSpiel77Cents[prizeClass - 1] : 0;
}

qint64 super6AmountCents(int prizeClass)
{
    return prizeClass >= 1 && prizeClass <= kSuper6Classes ? kSuper6Cents[prizeClass - 1] : 0;
}

} // namespace Prize
