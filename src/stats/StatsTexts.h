#pragma once

#include <QString>
#include <functional>

// The text-table lines the chart captions are built from. A default-made set
// holds the table's German lines; the window passes the loaded language's.
struct StatsTexts {
    StatsTexts();

    QString zahlenverteilung;
    QString ziehungen;
    QString quersumme;
    QString paare;
    QString gefunden;
    QString dreier;
    QString quersummenverteilung;
    QString quersummeKurz;
    QString vierer;
    QString ueberfaellig;
    QString tippverteilung;
    QString superzahl;
    QString primzahlenBei;
    QString warenPrimzahlen;
    QString ungeradeBei;
    QString warenUngerade;
    QString geradeBei;
    QString warenGerade;
    QString zahl;
    QString wieOftGezogen;
    QString seitLetztem;
    QString anzahlZiehungen;
    QString superzahlAchse;
    QString anzahlInTipps;
    QString folgeAb;
    QString primzahlenJe;
    QString ungeradeJe;
    QString geradeJe;
    QString primzahl;
    QString keinePrimzahl;
    QString gezaehltAb;
    QString gezaehltNach;

    // Fills every field from a line lookup, e.g. [&](int n) { return table.line(n); }.
    static StatsTexts fromLines(const std::function<QString(int)>& line);

private:
    void fill(const std::function<QString(int)>& line);
};
