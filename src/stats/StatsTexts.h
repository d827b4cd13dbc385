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
    QString zahl = QStringLiteral("Zahl");                                               // line 80
    QString wieOftGezogen = QStringLiteral("Wie oft gezogen");                           // line 81
    QString seitLetztem = QStringLiteral("Ziehungen seit dem letzten Erscheinen");       // line 82
    QString anzahlZiehungen = QStringLiteral("Anzahl der Ziehungen");                    // line 83
    QString superzahlAchse = QStringLiteral("Superzahl");                                // line 84
    QString anzahlInTipps = QStringLiteral("Anzahl in den Tipps");                       // line 85
    QString folgeAb = QStringLiteral("Folge ab Zahl");                                   // line 86
    QString primzahlenJe = QStringLiteral("Primzahlen je Ziehung");                      // line 87
    QString ungeradeJe = QStringLiteral("Ungerade Zahlen je Ziehung");                   // line 88
    QString geradeJe = QStringLiteral("Gerade Zahlen je Ziehung");                       // line 89
    QString primzahl = QStringLiteral("Primzahl");                                       // line 90
    QString keinePrimzahl = QStringLiteral("keine Primzahl");                            // line 91
    QString gezaehltAb = QStringLiteral("Gezählt: Ziehungen vom %1 bis %2, beide Tage eingeschlossen"); // line 92
    QString gezaehltNach = QStringLiteral("Gezählt: Ziehungen nach dem %1 bis einschließlich %2"); // line 93

    // Fills every field from a line lookup, e.g. [&](int n) { return table.line(n); }.
    static StatsTexts fromLines(const std::function<QString(int)>& line);
};
