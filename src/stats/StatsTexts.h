#pragma once

#include <QString>
#include <functional>

// The text-table lines the chart captions are built from. Defaults are the
// German texts; the window passes the lines of the loaded language.
struct StatsTexts {
    QString zahlenverteilung = QStringLiteral("Zahlenverteilung");                       // line 0
    QString ziehungen = QStringLiteral("Ziehungen");                                     // line 1
    QString quersumme = QStringLiteral("Quersumme");                                     // line 2
    QString paare = QStringLiteral("Paare");                                             // line 9
    QString gefunden = QStringLiteral("gefunden");                                       // line 10
    QString dreier = QStringLiteral("Dreier");                                           // line 11
    QString quersummenverteilung = QStringLiteral("Quersummenverteilung");               // line 13
    QString quersummeKurz = QStringLiteral("Quersumme");                                 // line 14
    QString vierer = QStringLiteral("Vierer");                                           // line 15
    QString ueberfaellig = QStringLiteral(
        "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"); // line 28
    QString tippverteilung = QStringLiteral("Zahlenverteilung des Tippes");              // line 29
    QString superzahl = QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"); // line 38
    QString primzahlenBei = QStringLiteral("Anzahl der Primzahlen pro Tipp bei");        // line 44
    QString warenPrimzahlen = QStringLiteral("waren Primzahlen");                        // line 45
    QString ungeradeBei = QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei");    // line 46
    QString warenUngerade = QStringLiteral("waren Ungerade");                            // line 47
    QString geradeBei = QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei");        // line 48
    QString warenGerade = QStringLiteral("waren Gerade");                                // line 49

    // Fills every field from a line lookup, e.g. [&](int n) { return table.line(n); }.
    static StatsTexts fromLines(const std::function<QString(int)>& line);
};
