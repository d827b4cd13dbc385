#pragma once

#include <QDate>

// Dates are day counts since 30 December 1899, the fraction being the time of
// day; stored draw dates are whole days.
namespace DateSerial {

double fromDate(const QDate& date);
QDate toDate(double serial);     // the whole-day part; invalid for NaN or out of range
double today();

// Weekday of a serial as 1 = Sunday ... 7 = Saturday.
int weekday(double serial);
int weekday(const QDate& date);

enum Weekday { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

} // namespace DateSerial
