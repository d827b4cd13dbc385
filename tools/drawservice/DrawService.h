#pragma once

#include "draws/Draw.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>

class QUrlQuery;

// What the draw service answers, without the HTTP server around it: one day's
// draw line for "Programm=Orbisa&Datum=yyyymmdd", from draws read from CSV.
class DrawService {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
    };

    // The draws of a CSV file in the shipped format; false with the file's
    // problems in *error when it cannot be served.
    bool load(const QByteArray& csv, QString* error);

    qsizetype drawCount() const { return draws_.size(); }
    QDate newest() const { return draws_.isEmpty() ? QDate() : draws_.lastKey(); }

    // 200 with the day's draw line, 200 with an empty body for a day without
    // a draw, 500 for a day after the newest draw (not drawn yet), 400 for a
    // query that does not name a program and a day.
    Answer answer(const QUrlQuery& query) const;

    // "yyyy-mm-dd,n1,...,n6,bonus;spiel77;super6;super" with CR LF: the date,
    // the six numbers, the bonus number as the CSV holds it (0 for none), the
    // digits of the two games and the super number, each empty where the draw
    // has none.
    static QByteArray drawLine(const Draw& draw);

private:
    QMap<QDate, Draw> draws_;
};
