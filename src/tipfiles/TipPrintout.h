#pragma once

#include "tipfiles/TipFile.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <optional>

// The printable tip text "Tipp.txt": a header with the next draw date, a
// tilde line, an empty line, then one line per filled row of the board.
namespace TipPrintout {

// The draw after the shown one: with both draw days on, Wednesday is followed
// by Saturday (+3) and any other day by Wednesday (+4); with only one draw day
// the same weekday a week later.
QDate nextDrawDate(const QDate& shownDraw, bool saturdayDraws, bool wednesdayDraws);

// Builds the lines. `tippWord` is the interface's word for a tip ("Tipp"), and
// `locale` gives the full weekday name of the header in the interface
// language. A row is listed when its first cell is not empty; such a row with
// a cell that is not a whole number makes the whole printout fail: nullopt,
// with the reason in *error.
std::optional<QStringList> lines(const TipRows& rows, const QDate& nextDraw,
                                 const QString& tippWord, const QLocale& locale,
                                 QString* error = nullptr);

// Writes the lines with CR LF in UTF-8, replacing the file only when all was
// written. Returns the system's error text, empty on success.
QString write(const QString& path, const QStringList& lines);

} // namespace TipPrintout
