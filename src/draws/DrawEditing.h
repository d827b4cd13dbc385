#pragma once

#include "draws/Draw.h"
#include "draws/DrawFile.h"

#include <QString>
#include <optional>
#include <vector>

// Manual entry and deletion of draws, as transforms of the record list plus
// the two calls that write the result to the database.

// A Wednesday draw dated before 04.06.1986: rebuilt files leave these out.
bool isEarlyWednesday(const Draw& draw);

// The draw the entry dialog starts from: the stored draw dated on the day, or
// the latest stored draw when none is. nullopt for an empty database (the
// dialog then starts from today and its design values).
std::optional<Draw> referenceDraw(const std::vector<Draw>& draws, double day);

struct EntryResult {
    Draw record;             // the entry with its six numbers sorted ascending
    bool append = false;     // later than every stored draw: just append record
    std::vector<Draw> draws; // otherwise the whole new content, in date order
};

// Adds an entered draw. A stored draw of the same date is replaced; a rebuilt
// file also drops the stored Wednesday draws dated before 04.06.1986.
EntryResult insertOrReplace(const std::vector<Draw>& stored, const Draw& entry);

// Every stored draw except those dated on datum.
std::vector<Draw> withoutDate(const std::vector<Draw>& stored, double datum);

// Apply the transforms to the database file: append, or rewrite through the
// temp file (database name + "~" for an entry, "Zahlen.da~" beside it for a
// deletion). Return the error text, empty on success; on failure the database
// is as it was.
QString storeEntry(const DrawFile& file, const Draw& entry);
QString deleteDrawsOf(const DrawFile& file, double datum);
