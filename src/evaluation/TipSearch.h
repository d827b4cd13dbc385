#pragma once

#include "draws/Draw.h"

// Which stored draws the search of the tips in the database examines.
struct SearchRange {
    double start = 0.0;       // DateTimePicker2, inclusive
    double end = 0.0;         // DateTimePicker1, inclusive
    bool saturdays = true;    // CheckBox16: Saturday and Sunday draws
    bool wednesdays = true;   // CheckBox17: Wednesday draws

    // Unlike the statistics, checking both boxes does not admit the other
    // weekdays: a Tuesday or Thursday draw is never examined.
    bool examines(const Draw& draw) const;
};
