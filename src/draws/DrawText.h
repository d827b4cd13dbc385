#pragma once

#include "draws/Draw.h"

#include <QStringList>

// Texts that show a stored draw.

// Short weekday names of an interface language (0 German, 1 English,
// 2 French, 3 Spanish, 4 Turkish, 5 Russian, 6 Dutch, 7 Czech, 8 Polish;
// anything else falls back to German), without trailing periods.
// Seven entries: [0] = Sunday ... [6] = Saturday, i.e. [weekday - 1].
QStringList shortWeekdayNames(int sprache);

// "DDD dd.mm.yy", e.g. "Sa 05.12.20". A date that cannot be a calendar day
// (damaged record) prints as "-- --.--.--".
QString drawDateText(double datum, const QStringList& weekdayNames);

// The draw line: date, two blanks (three for the file's first record), then
// "  n" for each of the six numbers, " B:" with the bonus number where the
// draw's date had one (until 01.05.2013) and " SZ:" with the super number
// where it had one (from 07.12.1991), both labels in the interface language.
// Numbers print as stored, whatever their range.
QString drawLine(const Draw& draw, const QStringList& weekdayNames, bool firstRecord = false);

// "QS: " and the sum of the six numbers.
QString crossSumText(const Draw& draw, const QString& prefix);
