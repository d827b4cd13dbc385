#pragma once

#include "systems/LottoSystem.h"

#include <QLocale>
#include <QString>
#include <QStringList>

struct SystemBacktest;
struct SystemTotals;

// How a system's parts read for the user, in the interface language.
namespace SystemTexts {

// "3 Richtige, wenn 4 der gezogenen Zahlen unter Ihren sind"
QString guarantee(Guarantee guarantee);
// The numbers of a number mask, ascending, blank-separated: "1 2 3 4".
QString numbers(NumberMask numberMask);
QString numbers(const std::vector<int>& numbers);
// "210 Reihen; 6 Richtige, wenn …", or the row count alone without a guarantee.
QString info(const LottoSystem& system);
// Rows per number of hits (6 down to 2) and per prize class, best first; the
// note instead of the classes when no draw had a class table.
QStringList totalsLines(const SystemTotals& totals);
// The look-back over the stored draws from..to (dates as written), beside
// the random rows on the same draws.
QStringList backtestReport(const LottoSystem& system, const SystemBacktest& result, const QString& from,
                           const QString& to, const QLocale& locale);
// The system for printing: name and numbers, rows and guarantee, the stake
// lines given, then every row numbered in columns as on the slips.
QStringList printout(const LottoSystem& system, const QStringList& costLines);

} // namespace SystemTexts
