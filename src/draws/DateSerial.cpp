#include "draws/DateSerial.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
}

namespace DateSerial {

double fromDate(const QDate& date)
{
    return static_cast<double>(kEpoch.daysTo(date));
}

QDate toDate(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(serial)));
}

double today()
{
    return fromDate(QDate::currentDate());
}

int weekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1; // Qt: 1 = Monday ... 7 = Sunday
}

int weekday(double serial)
{
    const QDate date = toDate(serial);
    return date.isValid() ? weekday(date) : 0;
}

} // namespace DateSerial
