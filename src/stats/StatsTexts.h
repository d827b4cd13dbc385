#pragma once

#include <QString>
#include <functional>

// The text-table lines the chart captions are built from. Defaults are the
// German texts; the window passes the lines of the loaded language.
struct StatsTexts {
    QString zahlenverteilung = QStringLiteral("Zahlenverteilung");                       // line 7
    QString ziehungen = QStringLiteral("Ziehungen");                                     // line 8
    QString quersumme = QStringLiteral("Quersumme");                                     // line 9
    QString paare = QStringLiteral("Paare");                                             // line 16
    QString gefunden = QStringLiteral("gefunden");                                       // line 17
    QString dreier = QStringLiteral("Dreier");                                           // line 18
    QString quersummenverteilung = QStringLiteral("Quersummenverteilung");               // line 20
    QString quersummeKurz = QStringLiteral("Quersumme");                                 // line 21
    QString vierer = QStringLiteral("Vierer");                                           // line 22
    QString ueberfaellig = QStringLiteral(
        "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"); // line 35
    QString tippverteilung = QStringLiteral("Zahlenverteilung des Tippes");              // line 36
    QString superzahl = QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"); // line 45
    QString primzahlenBei = QStringLiteral("Anzahl der Primzahlen pro Tipp bei");        // line 51
    QString warenPrimzahlen = QStringLiteral("waren Primzahlen");                        // line 52
    QString ungeradeBei = QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei");    // line 53
    QString warenUngerade = QStringLiteral("waren Ungerade");                            // line 54
    QString geradeBei = QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei");        // line 55
    QString warenGerade = QStringLiteral("waren Gerade");                                // line 56
    QString zahl = QStringLiteral("Zahl");                                               // line 87
    QString wieOftGezogen = QStringLiteral("Wie oft gezogen");                           // line 88
    QString seitLetztem = QStringLiteral("Ziehungen seit dem letzten Erscheinen");       // line 89
    QString anzahlZiehungen = QStringLiteral("Anzahl der Ziehungen");                    // line 90
    QString superzahlAchse = QStringLiteral("Superzahl");                                // line 91
    QString anzahlInTipps = QStringLiteral("Anzahl in den Tipps");                       // line 92
    QString folgeAb = QStringLiteral("Folge ab Zahl");                                   // line 93
    QString primzahlenJe = QStringLiteral("Primzahlen je Ziehung");                      // line 94
    QString ungeradeJe = QStringLiteral("Ungerade Zahlen je Ziehung");                   // line 95
    QString geradeJe = QStringLiteral("Gerade Zahlen je Ziehung");                       // line 96
    QString primzahl = QStringLiteral("Primzahl");                                       // line 97
    QString keinePrimzahl = QStringLiteral("keine Primzahl");                            // line 98
    QString gezaehltAb = QStringLiteral("Gezählt: Ziehungen vom %1 bis %2, beide Tage eingeschlossen"); // line 99
    QString gezaehltNach = QStringLiteral("Gezählt: Ziehungen nach dem %1 bis einschließlich %2"); // line 100

    // Fills every field from a line lookup, e.g. [&](int n) { return table.line(n); }.
    static StatsTexts fromLines(const std::function<QString(int)>& line);
};
