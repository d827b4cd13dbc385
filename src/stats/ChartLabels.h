#pragma once

#include "draws/CountingWindow.h"
#include "stats/ChartData.h"
#include "stats/StatsTexts.h"

// Says which draws a chart counted: the statistics differ in whether the
// start date itself counts, so two charts over the same dates can report
// draw counts one apart.
QString countedNote(const CountingWindow& selection, const StatsTexts& texts);

// Axis titles, and the prime legend where the bars are coloured by it.
void labelAxes(ChartData& chart, const QString& bottom, const QString& left);
void addPrimeLegend(ChartData& chart, const StatsTexts& texts);
