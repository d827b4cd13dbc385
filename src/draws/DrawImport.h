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
    int dropped = 0;           // Wednesday draws before 04.06.1986
    QList<QDate> differing;    // kept dates whose numbers or bonus differ from the file's
};

// Stored records are never changed or removed. A file draw of a stored date
// is counted as kept (listed when its six numbers or bonus number differ;
// the super number is not compared, since the online update stores none);
// Wednesday draws before 04.06.1986 are dropped, as manual entry does.
MergeResult mergeDraws(const std::vector<Draw>& stored, std::vector<Draw> incoming);

// The draws a counting window from..to (both inclusive) holds.
std::vector<Draw> drawsBetween(const std::vector<Draw>& draws, const QDate& from, const QDate& to);
