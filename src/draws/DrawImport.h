#pragma once

#include "draws/Draw.h"
#include "draws/DrawFile.h"

#include <QDate>
#include <QList>
#include <vector>

// Merging draws read from a file into the stored ones.
struct MergeResult {
    std::vector<Draw> draws;   // the whole new content, in date order
    int added = 0;             // new dates
    int kept = 0;              // dates already stored: the stored record stays
    int completed = 0;         // kept records that took a value they lacked
    int dropped = 0;           // Wednesday draws before 04.06.1986
    QList<QDate> differing;    // kept dates where the file says otherwise
};

// Stored records are never removed, and no stored value is replaced. A file
// draw of a stored date is counted as kept. When its six numbers are the
// stored ones, it fills in what the stored record lacks: a super number
// (where the date had one and the record holds 0, which is what the update
// wrote for none) and the Spiel 77 and Super 6 digits; such a record counts
// as completed. The date is listed as differing when the six numbers or the
// bonus number differ, or when both hold a super number or digit game and
// they differ. Wednesday draws before 04.06.1986 are dropped, as manual
// entry does.
MergeResult mergeDraws(const std::vector<Draw>& stored, std::vector<Draw> incoming);

// The draws a counting window from..to (both inclusive) holds.
std::vector<Draw> drawsBetween(const std::vector<Draw>& draws, const QDate& from, const QDate& to);
