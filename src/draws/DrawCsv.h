#pragma once

#include "draws/Draw.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Draws as CSV text. The shipped format is
//   date,n1,n2,n3,n4,n5,n6,bonus,super
// with ISO dates and an empty bonus or super number where the draw had none.
// The reader also takes what German spreadsheets write: ";" between fields,
// dates as dd.mm.yyyy, with or without a header line.

struct CsvProblem {
    int line = 0;  // 1-based line number in the file
    QString what;  // German, for the user
};

struct CsvRead {
    std::vector<Draw> draws;          // in file order; empty when any line is bad
    std::vector<CsvProblem> problems; // every bad line, in file order
};

// Every line is checked: a date, six different numbers 1 to 49, a bonus
// number 0 to 49 or empty, a super number 0 to 9 or empty, no date twice.
// An empty bonus or super number is stored as 0.
CsvRead parseDrawCsv(const QByteArray& content);

// The shipped format, LF line ends, header first. A bonus number of 0 is
// written empty, and so is the super number of draws before 07.12.1991, the
// first draw with one.
QByteArray drawCsv(const std::vector<Draw>& draws);
