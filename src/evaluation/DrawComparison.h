#pragma once

#include "draws/Draw.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// How the stored draws resemble earlier and later draws. From the draw chosen
// by date on, every draw in turn is the reference: it is compared with the
// stored draws of the counting window before it, and with the next, second
// and third following draws. Counts are indexed by the number of shared
// numbers, 0 to 6.
struct ComparisonCounts {
    std::array<qint32, 7> earlier{};
    std::array<qint32, 7> next{};
    std::array<qint32, 7> second{};
    std::array<qint32, 7> third{};
};

struct ComparisonSetup {
    double chosenDay = 0.0;   // DateTimePicker1, whole day: the first reference is the first draw from it
    double windowStart = 0.0; // DateTimePicker2: the earlier draws begin there from the second reference on
    bool saturdays = true;    // CheckBox16 and CheckBox17, as the stepping to the next draw
    bool wednesdays = true;   // and back applies them
    int threshold = 6;        // shared numbers from which a draw is reported
};

// What the window does during the run: show progress, ask about found draws.
class ComparisonHost {
public:
    virtual ~ComparisonHost() = default;
    // Before each reference draw (index into the draws); false stops the run
    // there, keeping the counts of the references done.
    virtual bool beginReference(int reference, int passesDone) = 0;
    // An earlier draw shares at least the threshold of numbers with the
    // reference of the last beginReference; false ends the run without a
    // result. earlierDraw is an element of the draws given to compareDraws.
    virtual bool found(const Draw& earlierDraw) = 0;
};

struct ComparisonResult {
    enum class End { Completed, Stopped, Declined, NoDraws };
    End end = End::NoDraws;
    ComparisonCounts counts;
    int passes = 0;
    int lastReference = -1; // its numbers are in row 1 at the end
    // The draw current at the end: the one after the last reference, or
    // the reference itself when the run ended inside its pass.
    int current = -1;
};

ComparisonResult compareDraws(const std::vector<Draw>& draws, const ComparisonSetup& setup,
                              ComparisonHost& host);

// The four headings of the report, in the interface language.
struct ComparisonHeadings {
    QString earlier;
    QString next;
    QString second;
    QString third;
};

// One paragraph per line: each heading with its seven counts ("3x    =>12"),
// the groups separated by a line of one blank.
QStringList comparisonReport(const ComparisonCounts& counts, const ComparisonHeadings& headings);
