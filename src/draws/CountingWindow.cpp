#include "draws/CountingWindow.h"

#include "draws/DateSerial.h"

bool CountingWindow::contains(double datum) const
{
    // Written so that a NaN date from a damaged record is never inside.
    const bool afterStart = startInclusive ? datum >= start : datum > start;
    return afterStart && datum <= end;
}

bool CountingWindow::admits(const Draw& draw) const
{
    return contains(draw.datum) && weekdayRuleAdmits(DateSerial::weekday(draw.datum), saturdays, wednesdays);
}

bool weekdayRuleAdmits(int weekday, bool saturdays, bool wednesdays)
{
    if (saturdays && wednesdays)
        return true;
    if (saturdays && (weekday == DateSerial::Saturday || weekday == DateSerial::Sunday))
        return true;
    return wednesdays && weekday == DateSerial::Wednesday;
}

bool browseSkips(int weekday, bool saturdays, bool wednesdays)
{
    if (!saturdays && (weekday == DateSerial::Saturday || weekday == DateSerial::Sunday))
        return true;
    return !wednesdays && weekday == DateSerial::Wednesday;
}
