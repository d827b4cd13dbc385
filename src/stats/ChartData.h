#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// Plain results of the statistics, kept free of QtGui: the window converts
// them into chart calls.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kPrimeRed{255, 0, 0};
inline constexpr Rgb kNumberGreen{0, 128, 0};

struct StatBar {
    double x = 0.0;
    double y = 0.0;
    std::optional<Rgb> color; // none: the series colour
};

// What a bar colour means, for the legend.
struct LegendItem {
    Rgb color;
    QString text;
};

struct ChartData {
    QVector<StatBar> bars;       // ascending x; bar j belongs to the j-th x value
    bool leftAutomatic = true;   // false: the left axis runs leftMin..leftMax exactly
    double leftMin = 0.0;        // may equal leftMax (all counters equal)
    double leftMax = 0.0;
    QString caption;             // bottom axis caption
    bool hideMarks = false;      // hide the value marks of both series from now on
    QString note;                // which draws were counted, shown under the caption
    QString bottomTitle;         // what the X values are
    QString leftTitle;           // what the counts are
    QVector<LegendItem> legend;  // empty where colours carry no meaning
    QStringList barNames;        // hover names by bar index; empty: the X values
};

struct StatResult {
    ChartData chart;
    QString error;               // the system's error text when the draws could not be read
    int drawCount = 0;           // selected draws
    // The last selected draw as the current-draw field holds it ([1..6]
    // numbers, [7] bonus, [8] super number); set only by the operations that
    // leave it behind, and only when some draw was selected.
    std::optional<std::array<qint32, 9>> lastDraw;

    bool ok() const { return error.isEmpty(); }
};
