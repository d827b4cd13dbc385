#include "evaluation/TipSearch.h"

#include "draws/DateSerial.h"

bool SearchRange::examines(const Draw& draw) const
{
    // Written so that a NaN date from a damaged record is never inside.
    if (!(draw.datum >= start && draw.datum <= end))
        return false;
    const int weekday = DateSerial::weekday(draw.datum);
    if (saturdays && (weekday == DateSerial::Saturday || weekday == DateSerial::Sunday))
        return true;
    return wednesdays && weekday == DateSerial::Wednesday;
}
