#pragma once

#include "draws/Draw.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The decisions of the online update that do not need the network: which day
// comes first, what the request asks for, what a status means, and how one
// line of an answer becomes a draw.
namespace UpdateRules {

inline constexpr const char* kPath = "/zahlen/lotto_neu.asp";

// The first day to ask for: the day after the last stored draw, or, with an
// empty database, the day after the date the user had chosen.
QDate firstDay(const std::optional<Draw>& lastStored, const QDate& chosen);

// "Programm=Orbisa&Datum=yyyymmdd"
QString query(const QDate& day);

enum class Reply {
    Draws,   // 200: every line of the body is a draw of the day
    NotYet,  // 500: the day's draw is not available yet
    Failed,  // any other status above 200
    Nothing, // below 200 or above but not a status at all: nothing to do
};
Reply classify(int status);

// Status texts of panels 0 and 1.
QString loadingText();
QString receivedText(qint64 bytes);
QString accuracyNote();
QString notYetText(const QDate& day);
QString failedText(int status, const QString& reasonPhrase);

// The lines of a body, split at CR LF, LF or CR. Blank lines carry nothing
// and are left out, so a trailing line break never ends an update.
QStringList bodyLines(const QByteArray& body);

struct ParsedLine {
    bool ok = false;
    std::array<int, 6> numbers{}; // in line order
    int bonus = 0;
    int superNumber = 0;                   // 0 when the line has none
    std::array<std::uint8_t, 7> spiel77{}; // all 0 when the line has none
    std::array<std::uint8_t, 6> super6{};  // all 0 when the line has none
    QString problem; // when !ok: the text to show the user
};

// "<any>,n1,n2,n3,n4,n5,n6,bonus;[game77];[game6];[super]". A field that is
// not a decimal integer shows the rest of the line from that field on (the
// whole line when nothing is left of it); a line whose numbers are not six
// different numbers 1..49, whose bonus is not 0..49, or whose super number
// field holds anything but one digit is no draw either and shows the whole
// line: a damaged answer must never become a stored draw. The game fields
// were free text before they were stored: one that is not exactly 7 (6)
// digits is taken as no game, as then.
ParsedLine parseLine(const QString& line);

// The record the update appends for a parsed line of the requested day.
Draw recordFor(const ParsedLine& line, const QDate& day);

} // namespace UpdateRules
