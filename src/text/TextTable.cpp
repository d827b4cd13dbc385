#include "text/TextTable.h"

TextTable::TextTable() : lines_(defaults()) {}

QString TextTable::line(int index) const
{
    return index >= 0 && index < lines_.size() ? lines_[index] : QString();
}

QStringList TextTable::defaults()
{
    // Positions are fixed: a message file holds one line per index, including
    // those that nothing reads (27, 35, 52, 53). Trailing blanks matter: the
    // readers append numbers or names directly.
    return {
        QStringLiteral("Zahlenverteilung"),                                   // 0
        QStringLiteral("Ziehungen"),                                          // 1
        QStringLiteral("Quersumme"),                                          // 2
        QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?"),  // 3
        QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),      // 4
        QStringLiteral("Tipp-Test"),                                          // 5
        QStringLiteral("Ein Treffer gefunden am :"),                          // 6
        QStringLiteral("Weiter?"),                                            // 7
        QStringLiteral("Ziehung gefunden"),                                   // 8
        QStringLiteral("Paare"),                                              // 9
        QStringLiteral("gefunden"),                                           // 10
        QStringLiteral("Dreier"),                                             // 11
        QStringLiteral("Schein Nr "),                                         // 12
        QStringLiteral("Quersummenverteilung"),                               // 13
        QStringLiteral("Quersumme"),                                          // 14
        QStringLiteral("Vierer"),                                             // 15
        QStringLiteral("Stoppen"),                                            // 16
        QStringLiteral("Berechnung der "),                                    // 17
        QStringLiteral("Paarbildung"),                                        // 18
        QStringLiteral("Dreiergruppenbildung"),                               // 19
        QStringLiteral("Vierergruppenbildung"),                               // 20
        QStringLiteral("aussehenden Zahlen"),                                 // 21
        QStringLiteral("benachbarten Zahlen der letzten Ziehung"),            // 22
        QStringLiteral("Beginn der Tippberechnung"),                          // 23
        QStringLiteral("Tipp"),                                               // 24
        QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"),   // 25
        QStringLiteral("Tipps wurden neu berechnet"),                         // 26
        QStringLiteral("Superzahlverteilung"),                                // 27
        QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"), // 28
        QStringLiteral("Zahlenverteilung des Tippes"),                        // 29
        QStringLiteral("Ihre Glückszahl"),                                    // 30
        QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"), // 31
        QStringLiteral("Ihre Glückzahl ist jetzt die "),                      // 32
        QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi."),     // 33
        QStringLiteral("Fehler bei Eingabe der Zufallszahl"),                 // 34
        QStringLiteral("Zahlen wählen"),                                      // 35
        QStringLiteral("Zahlen für Berechnung wählen"),                       // 36
        QStringLiteral("Lottoschein Online Abgabe"),                          // 37
        QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"),  // 38
        QStringLiteral("Ziehungsergebnis vergleichen"),                       // 39
        QStringLiteral("Treffer von Ziehungen in der Datenbank"),             // 40
        QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),          // 41
        QStringLiteral("Wie oft gab es bei der übernächsten Ziehung ähnliche Zahlen"),      // 42
        QStringLiteral("Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"),  // 43
        QStringLiteral("Anzahl der Primzahlen pro Tipp bei"),                 // 44
        QStringLiteral("waren Primzahlen"),                                   // 45
        QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei"),           // 46
        QStringLiteral("waren Ungerade"),                                     // 47
        QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei"),             // 48
        QStringLiteral("waren Gerade"),                                       // 49
        QStringLiteral("Sollen alle Tipps gelöscht werden??"),                // 50
        QStringLiteral("Alle Tipps löschen?"),                                // 51
        QStringLiteral("Spiel 77"),                                           // 52
        QStringLiteral("Super 6"),                                            // 53
        QStringLiteral("Scheinnummer?"),                                      // 54
        QStringLiteral("die Datei für die Tippübergabe konnte nicht angelegt werden. "
                       "Überprüfen Sie die Zugriffsrechte des Programmes oder starten Sie als Administrator"), // 55
        // Later texts, appended so that older message files keep their positions.
        QStringLiteral("QS: "),                                               // 56 cross sum of the shown draw
        QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"),       // 57
        QStringLiteral("Bitte warten: ein Vorgang läuft noch."),              // 58
        QStringLiteral("Kein Ziehungsdienst eingestellt"),                    // 59
        QStringLiteral("Suche: %1 (%2 %)"),                                   // 60 date, share done
        QStringLiteral("Die Suche wurde angehalten."),                        // 61
        QStringLiteral("Durchgang %1: %2 (%3 %)"),                            // 62 pass, date, share done
        QStringLiteral("Die Filter lassen %1 von %2 möglichen Reihen zu (%3 %)."),        // 63
        QStringLiteral("%1 der %2 gespeicherten Ziehungen hätten sie bestanden (%3 %)."), // 64
        QStringLiteral("Es sind noch keine Ziehungen gespeichert."),          // 65
        QStringLiteral("Die gespeicherten Ziehungen konnten nicht gelesen werden: %1"),   // 66 error text
        QStringLiteral("Ziehung löschen"),                                    // 67
        QStringLiteral("Ziehung vom %1 löschen?"),                            // 68 date
        QStringLiteral("„%1“ ist keine gültige ganze Zahl."),                 // 69 the answer
        QStringLiteral("Die Datenbank enthält keine Ziehungen."),             // 70
        QStringLiteral("Die Analyse wurde vorzeitig angehalten, nach %1 Durchgängen."), // 71 passes
        QStringLiteral("%1 Ziehungen hinzugefügt, %2 schon gespeichert und behalten, %3 verworfen "
                       "(Mittwochsziehungen vor dem 04.06.1986)."),           // 72 import counts
        QStringLiteral("An diesen Tagen weichen die Zahlen der Datei von den gespeicherten ab; "
                       "die gespeicherten bleiben: "),                        // 73 then the dates
        QStringLiteral("… und %1 weitere"),                                   // 74 the rest of a list
        QStringLiteral("Nur die Ziehungen vom %1 bis %2 (Zeitraum des Diagramms) exportieren?"), // 75
        QStringLiteral("\"Nein\" exportiert alle gespeicherten Ziehungen."),    // 76 second line of 75
        QStringLiteral("%1 Ziehungen in \"%2\" gespeichert"),                  // 77 count, file name
        QStringLiteral("Ziehungen exportieren"),                              // 78
        QStringLiteral("CSV-Dateien (Ziehungen)"),                            // 79 file type
        QStringLiteral("Die Einstellungsdatei „%1“ ist keine gewöhnliche Datei. Das Programm "
                       "startet mit den Grundeinstellungen und schreibt nichts hinein."), // 80 path
        QStringLiteral("Neue Ziehungen: %1"),                                 // 81 after an update
        QStringLiteral("Die Datenbank ist leer. Die mitgelieferten Ziehungen vom %1 bis %2 laden?"), // 82
        QStringLiteral("Mitgelieferte Ziehungen"),                            // 83 caption of 82
        QStringLiteral("Weniger als sechs Zahlen im Zahlenpool: wählen Sie mehr Zahlen. "
                       "Die Tipps bleiben unverändert."),                     // 84
        QStringLiteral("Berechnungsläufe aufgebraucht, keine Reihe bestand die Filter. "
                       "Die Tipps bleiben unverändert."),                     // 85
        QStringLiteral("Das Datumsfeld zeigt den %1, gelöscht wird aber die angezeigte "
                       "Ziehung vom %2."),                                    // 86 picker date, shown draw's date
        QStringLiteral("Zahl"),                                                                // 87
        QStringLiteral("Wie oft gezogen"),                                                     // 88
        QStringLiteral("Ziehungen seit dem letzten Erscheinen"),                               // 89
        QStringLiteral("Anzahl der Ziehungen"),                                                // 90
        QStringLiteral("Superzahl"),                                                           // 91
        QStringLiteral("Anzahl in den Tipps"),                                                 // 92
        QStringLiteral("Folge ab Zahl"),                                                       // 93
        QStringLiteral("Primzahlen je Ziehung"),                                               // 94
        QStringLiteral("Ungerade Zahlen je Ziehung"),                                          // 95
        QStringLiteral("Gerade Zahlen je Ziehung"),                                            // 96
        QStringLiteral("Primzahl"),                                                            // 97
        QStringLiteral("keine Primzahl"),                                                      // 98
        QStringLiteral("Gezählt: Ziehungen vom %1 bis %2, beide Tage eingeschlossen"),         // 99
        QStringLiteral("Gezählt: Ziehungen nach dem %1 bis einschließlich %2"),                // 100
        QStringLiteral("Ausschnitt: die Achse beginnt bei %1, nicht bei 0"),                   // 101
        QStringLiteral("PNG-Bild"),                                                            // 102
        QStringLiteral("SVG-Grafik"),                                                          // 103
        QStringLiteral("Speichern unter…"),                                                    // 104
        QStringLiteral("Drucken…"),                                                            // 105
        QStringLiteral("Mit anderem Programm öffnen"),                                         // 106
        QStringLiteral("Schließen"),                                                           // 107
        QStringLiteral("Reihe %1: %2 (%3 Treffer)"),                          // 108 row, its numbers, hits
        // Messages that used to be worded in the code.
        QStringLiteral("„%1“ kann nicht angelegt werden: %2"), // 109 file, system error
        QStringLiteral("„%1“ kann nicht geöffnet werden: %2"), // 110 file, system error
        QStringLiteral("Lesefehler: %1"), // 111 system error
        QStringLiteral("„%1“ kann nicht geschrieben werden: %2"), // 112 file, system error
        QStringLiteral("„%1“ kann nicht durch sich selbst ersetzt werden."), // 113 file
        QStringLiteral("„%1“ kann nicht ersetzt werden: %2"), // 114 file, system error
        QStringLiteral("%1 Felder statt 9 (Datum, sechs Zahlen, Zusatzzahl, Superzahl) oder 11 (dazu Spiel 77 und Super 6)"), // 115 fields found
        QStringLiteral("\"%1\" ist kein Datum"), // 116 the field
        QStringLiteral("Zahl %1 \"%2\" ist keine Zahl von 1 bis 49"), // 117 position, the field
        QStringLiteral("die Zahl %1 kommt zweimal vor"), // 118 the number
        QStringLiteral("Zusatzzahl \"%1\" ist weder leer noch eine Zahl von 0 bis 49"), // 119 the field
        QStringLiteral("Superzahl \"%1\" ist weder leer noch eine Ziffer von 0 bis 9"), // 120 the field
        QStringLiteral("das Datum steht schon in Zeile %1"), // 121 the earlier line
        QStringLiteral("Loading"), // 122 status while a day is asked for
        QStringLiteral("Received %1 bytes"), // 123 bytes
        QStringLiteral("Not guarantee the accuracy of the numbers!"), // 124 
        QStringLiteral("%1 noch nicht da!"), // 125 date
        QStringLiteral("Failed : %1 %2"), // 126 status number, status line
        QStringLiteral("Der Ziehungsdienst hat %1 Sekunden lang nichts gesendet; die Aktualisierung wurde abgebrochen."), // 127 seconds
        QStringLiteral("Die Antwort des Ziehungsdienstes dauerte länger als %1 Sekunden; die Aktualisierung wurde abgebrochen."), // 128 seconds
        QStringLiteral("Die Antwort des Ziehungsdienstes ist größer als %1 KiB und keine Ziehung; die Aktualisierung wurde abgebrochen."), // 129 KiB
        QStringLiteral("Die Verbindung zum Ziehungsdienst ist fehlgeschlagen: %1"), // 130 error text
        QStringLiteral("Die Ziehung konnte nicht gespeichert werden: %1"), // 131 error text
        QStringLiteral("Die Adresse des Ziehungsdienstes \"%1\" ist keine http://- oder https://-Adresse. Bitte tragen Sie unter Internet-Optionen eine Adresse wie http:// 156.0.0.1:8080 ein."), // 103 the address
        QStringLiteral("Der Proxy-Port \"%1\" ist keine ganze Zahl von 1 bis 65535."), // 133 the port
        QStringLiteral("Die Datei konnte nicht geöffnet werden, weil kein Programm dafür eingerichtet ist. Bitte öffnen Sie sie selbst:"), // 134 then the file on its own line
        QStringLiteral("Die Datei wurde nicht gefunden:"), // 135 then the file on its own line
        QStringLiteral("Die Adresse konnte nicht im Browser geöffnet werden. Bitte öffnen Sie sie selbst:"), // 136 then the address on its own line
        QStringLiteral("Die Ziehungen aus „%1“ wurden nach „%2“ kopiert; dort werden sie weiter gepflegt, weil der Programmordner schreibgeschützt ist."), // 137 delivered file, per-user folder
        QStringLiteral("Die Ziehungen aus „%1“ konnten nicht nach „%2“ kopiert werden. Das Programm beginnt dort mit einer leeren Datenbank."), // 138 delivered file, per-user folder
        QStringLiteral("Der Ordner für Ihre Daten kann nicht angelegt oder beschrieben werden:"), // 139 then the folder and the reason, each on its own line
        QStringLiteral("Ohne ihn kann das Programm keine Ziehungen speichern und wird beendet."), // 140 last line of the one above
        QStringLiteral("„%1“ ist eine Datei, kein Ordner."), // 141 path
        QStringLiteral("Unbekannter Fehler"), // 142 
        QStringLiteral("Die Gewichtung der Zahl %1 ist keine ganze Zahl: \"%2\". Die Tippberechnung wird abgebrochen."), // 143 number, the weight given
        QStringLiteral("\"%1\" ist keine gewöhnliche Datei und kann nicht importiert werden."), // 144 path
        QStringLiteral("Die Datei \"%1\" wurde nicht importiert: sie ist größer als %2 MiB, für eine Liste von Ziehungen viel zu groß."), // 145 file, MiB
        QStringLiteral("Die Datei \"%1\" wurde nicht importiert; die Datenbank bleibt unverändert. Fehlerhafte Zeilen:"), // 146 file; the lines follow
        QStringLiteral("Zeile %1: %2"), // 147 line number, why
        QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2"), // 148 file, system error
        QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden: %2"), // 149 file, system error
        QStringLiteral("1 Datensatz von „%1“ ist beschädigt und wird übersprungen."), // 150 database file
        QStringLiteral("%1 Datensätze von „%2“ sind beschädigt und werden übersprungen."), // 151 count, database file
        QStringLiteral("keine"), // 152 bonus field without a bonus number
        QStringLiteral("Die Zahl %1 ist mehrfach eingegeben. In einer Ziehung kommt jede Zahl nur einmal vor; bitte korrigieren Sie die Zahlen."), // 153 the number
        QStringLiteral("Die Zusatzzahl %1 ist schon eine der sechs Zahlen. Sie wird aus den übrigen Zahlen gezogen; bitte korrigieren Sie sie."), // 154 the bonus number
        QStringLiteral("Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein"), // 155 number, weight
        QStringLiteral("Werteliste"), // 156 file type
        QStringLiteral("Die Liste konnte nicht gespeichert werden: %1"), // 157 file; the reason follows
        QStringLiteral("Die Liste konnte nicht geladen werden: %1"), // 158 file; the reason follows
        QStringLiteral("%1 Stopp"), // 159 numbers shown so far
        QStringLiteral("Das ist keine gewöhnliche Datei."), // 160 
        QStringLiteral("Die Datei ist keine Gewichtsliste: sie ist größer als %1 Bytes."), // 161 bytes
        QStringLiteral("\"%1\" ist keine gewöhnliche Datei und kann nicht als Tippdatei geladen werden."), // 162 path
        QStringLiteral("Die Datei ist keine Tippdatei: sie ist größer als %1 Bytes."), // 163 bytes
        QStringLiteral("Tippdatei"), // 164 file type
        QStringLiteral("„%1“ ist keine gültige Zahl (Tipp %2, Feld %3)."), // 165 cell text, row, field
        QStringLiteral("%1 Tipp für %2"), // 166 product title, weekday and date of the next draw
        QStringLiteral("Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt"), // 167 hint of the date pickers
        QStringLiteral("Die Losnummer „%1“ hat nicht genau sieben Ziffern. Ihre letzte Ziffer ist die Superzahl des Scheins; bis eine gültige Losnummer eingetragen ist, werden keine Gewinnklassen mit Superzahl vergeben."), // 168 LosnummerInvalid
        QStringLiteral("Für Ziehungen vor dem 22.05.1999 ist keine Gewinnklassentabelle hinterlegt: nur Treffer."), // 169 NoClassTable
        QStringLiteral("Gewinnklasse %1"), // 170 PrizeClass
        QStringLiteral("Kl. %1"), // 171 PrizeClassShort
        QStringLiteral("Jackpot"), // 172 Jackpot
        QStringLiteral("B:"), // 173 before the bonus number in a draw line
        QStringLiteral("SZ:"), // 174 before the super number in a draw line
        QStringLiteral("Spiel 77 \"%1\" ist weder leer noch eine Zahl aus sieben Ziffern"), // 175 field text
        QStringLiteral("Super 6 \"%1\" ist weder leer noch eine Zahl aus sechs Ziffern"), // 176 field text
        QStringLiteral("Um Superzahl, Spiel 77 oder Super 6 ergänzte gespeicherte Ziehungen: %1."), // 177 count
        QStringLiteral("Bitte geben Sie alle Ziffern von %1 ein oder lassen Sie alle Felder leer."), // 178 game name
        QStringLiteral("Gewinnklassen: %1"), // 179 TicketClasses
        QStringLiteral("Gewinnklassen: keine"), // 180 TicketNoClass
        QStringLiteral("%1: %2, %3"), // 181 DigitGameWon
        QStringLiteral("%1: kein Gewinn"), // 182 DigitGameNotWon
        QStringLiteral("%1: Die Ziehung enthält keine Zahlen für dieses Spiel."), // 183 DigitGameNoNumbers
        QStringLiteral("%1: ohne gültige Losnummer nicht auszuwerten"), // 184 DigitGameNoLosnummer
        QStringLiteral("Einsatz je Ziehung: %1 = %2"), // 185 TicketStakePerDraw
        QStringLiteral("%1 Reihen × %2"), // 186 TicketRowsPrice
        QStringLiteral("Einsatz für %1 Ziehungen: %2 × %3 + %4 Gebühr = %5"), // 187 TicketStakeRun
        QStringLiteral("Bis auf Widerruf, je Woche %1 Ziehungen: %2 × %3 + %4 Gebühr = %5"), // 188 TicketStakeWeek
        QStringLiteral("Die Gebühr „%1“ ist kein Betrag; der Einsatz ist ohne Gebühr gerechnet."), // 189 TicketFeeInvalid
        QStringLiteral("1 Woche"), // 190 TicketOneWeek
        QStringLiteral("%1 Wochen"), // 191 TicketWeeks
        QStringLiteral("bis auf Widerruf"), // 192 TicketUntilChanged
        QStringLiteral("Schein mit %1 Reihen, Losnummer %2, ab %3, %4, %5"), // 193 TicketReportHeading
        QStringLiteral("Noch keine Ziehung des Scheins in der Datenbank."), // 194 TicketRunNoDraw
        QStringLiteral("Feste Gewinne aus Spiel 77 und Super 6: %1"), // 195 TicketFixedAmounts
        QStringLiteral("Schein, Ziehung vom %1: %2"), // 196 TicketNewResult
        QStringLiteral("\"%1\" ist keine gewöhnliche Datei und kann nicht als Systemdatei geladen werden."), // 197 path
        QStringLiteral("Die Datei ist keine Systemdatei: sie ist größer als %1 Bytes."), // 198 bytes
        QStringLiteral("Die Datei ist keine Systemdatei: die erste Zeile lautet nicht „%1“."), // 199 the first line a system file has
        QStringLiteral("Hier wird eine Zeile „%1 …“ erwartet."), // 200 the line's key
        QStringLiteral("Die Zahlen eines Systems sind 6 bis 49 verschiedene Zahlen von 1 bis 49."), // 201 
        QStringLiteral("„%1“ ist keine Garantie: erwartet wird „t if m“ mit 1 ≤ t ≤ m ≤ 6 oder „none“."), // 202 the guarantee given
        QStringLiteral("Die Zahl der Reihen muss eine ganze Zahl von 1 bis %1 sein."), // 203 most rows
        QStringLiteral("Die Datei nennt %1 Reihen, enthält aber %2."), // 204 rows announced, rows found
        QStringLiteral("„%1“ ist keine Reihe des Systems: eine Reihe hat sechs verschiedene Zahlen aus den Zahlen des Systems."), // 205 the line
        QStringLiteral("Das System hält seine Garantie nicht (%1): %2 Kombinationen sind nicht abgedeckt, etwa %3."), // 206 the guarantee in words, holes, one hole's numbers
        QStringLiteral("Eine Garantie lässt sich nur für Systeme mit höchstens %1 Zahlen prüfen."), // 207 most numbers
        QStringLiteral("Systemdatei"), // 208 file type
        QStringLiteral("%1 Richtige, wenn %2 der gezogenen Zahlen unter Ihren sind"), // 209 hits, drawn numbers among the player's
        QStringLiteral("%1x + Bonus"), // 210 HitsWithBonus
        QStringLiteral("Vergleich mit dem Zufall: was ebenso viele zufällige Reihen auf dieselben Ziehungen erwarten ließen"), // 211 ChanceHeading
        QStringLiteral("Klasse"), // 212 ChanceColumnClass
        QStringLiteral("Erwartet"), // 213 ChanceColumnExpected
        QStringLiteral("Erzielt"), // 214 ChanceColumnObserved
        QStringLiteral("Verhältnis"), // 215 ChanceColumnRatio
        QStringLiteral("95-%-Intervall"), // 216 ChanceColumnInterval
        QStringLiteral("%1 bis %2"), // 217 ChanceInterval
        QStringLiteral("Die Tabelle beschreibt nur: jedes Intervall gilt für seine Klasse allein und nimmt unabhängige Reihen an; bei %1 Klassen liegt auch reiner Zufall oft irgendwo außerhalb. Das Urteil stützt sich allein auf den folgenden, vorab festgelegten Test."), // 218 ChanceDescribeOnly
        QStringLiteral("Test: Reihen mit 3 oder mehr Treffern, verglichen mit %1 Läufen, in denen dieselben Tipps auf zufällig gezogene Zahlen trafen (fester Startwert %2)."), // 219 ChanceTest
        QStringLiteral("Ohne bewertete Reihen ist kein Vergleich mit dem Zufall möglich."), // 220 ChanceNoRows
        QStringLiteral("Erzielt: %1 von %2 Reihen; in den Vergleichsläufen im Mittel %3; p = %4 (einseitig)."), // 221 ChanceObserved
        QStringLiteral("Die Parameter waren besser als der Zufall (p unter 0,05)."), // 222 ChanceBetter
        QStringLiteral("Die Parameter waren nicht nachweisbar besser als zufällige Tipps (p nicht unter 0,05)."), // 223 ChanceNotBetter
        QStringLiteral("Gewinnklassen mit der Superzahl %1 aus der Losnummer gezählt."), // 224 BacktestClassesTicket
        QStringLiteral("Ohne gültige Losnummer sind die Gewinnklassen mit Superzahl mit der Chance 1/10 gezählt: jede Reihe mit k Treffern zählt zu 1/10 als „k + SZ“ und zu 9/10 als „k“."), // 225 BacktestClassesByChance
        QStringLiteral("Unbekannte Angabe „%1“ (numerant-check --help zeigt den Aufruf)."), // 226 CheckBadOption
        QStringLiteral("Zu „%1“ fehlt der Wert."), // 227 CheckMissingValue
        QStringLiteral("„%1“ ist kein Datum der Form JJJJ-MM-TT."), // 228 CheckBadDate
        QStringLiteral("Für den %1 ist keine Ziehung gespeichert."), // 229 CheckNoDrawOn
        QStringLiteral("„%1“ ist keine Reihe aus sechs verschiedenen Zahlen von 1 bis 49, durch Kommas getrennt."), // 230 CheckBadRow
        QStringLiteral("„%1“: die Laufzeit in Wochen ist 1 bis 5, oder 0 für „bis auf Weiteres“."), // 231 CheckBadWeeks
        QStringLiteral("„%1“: die Ziehungstage sind sa, mi oder sa+mi."), // 232 CheckBadDays
        QStringLiteral("Keine Reihe angegeben: --row oder --tips."), // 233 CheckNoRows
        QStringLiteral("Die Reihen kommen entweder aus --row oder aus --tips, nicht aus beiden."), // 234 CheckRowsOrTips
        QStringLiteral("Die Datenbank „%1“ kann nicht gelesen werden: %2"), // 235 CheckDatabaseUnreadable
        QStringLiteral("Die Datenbank „%1“ ist beschädigt: ihre Größe ist kein Vielfaches von 32 Bytes."), // 236 CheckDatabaseFragment
        QStringLiteral("Die gespeicherte Ziehung vom %1 ist beschädigt: sie enthält Werte, die keine Ziehung haben kann."), // 237 CheckDrawDamaged
        QStringLiteral("Die Tippdatei „%1“ kann nicht verwendet werden: %2"), // 238 CheckTipFileBad
        QStringLiteral("„%1“ ist kein Betrag wie 0,50."), // 239 CheckBadFee
        QStringLiteral("Spiel 77 und Super 6 werden mit der Losnummer gespielt: geben Sie sie mit --losnummer oder in der Tippdatei an."), // 240 CheckGamesNeedLosnummer
        QStringLiteral("„%1“ ist keine Sprache des Programms (de, en, fr, sp, tr, ru, pl, cz, nl)."), // 241 CheckBadLanguage
        QStringLiteral("kein Gewinn"), // 242 CheckNothingWon
        QStringLiteral("die Ziehung enthält keine Ziffern dieses Spiels"), // 243 CheckNoDigits
        QStringLiteral("Einsatz je Ziehung: %1 (Reihen %2, Spiel 77 %3, Super 6 %4)"), // 244 CheckCostPerDraw
        QStringLiteral("Einsatz für %1 Ziehungen mit Gebühr %2: %3"), // 245 CheckCostRun
        QStringLiteral("Gewonnen."), // 246 CheckWon
        QStringLiteral("Nichts gewonnen."), // 247 CheckNotWon
        QStringLiteral("Im Spielzeitraum des Scheins ist noch keine Ziehung gespeichert."), // 248 CheckRunEmpty
        QStringLiteral("Ohne Losnummer: keine Gewinnklassen mit Superzahl."), // 249 CheckNoLosnummer
        QStringLiteral("--draw und --run schließen sich aus."), // 250 CheckDrawOrRun
        QStringLiteral("%1 Zahlen gewählt"), // 251 SystemCount (chosen numbers)
        QStringLiteral("Ein System hat höchstens 13 Zahlen."), // 252 SystemTooMany
        QStringLiteral("Wählen Sie 7 bis 13 Zahlen (gewählt: %1)."), // 253 SystemTooFew (chosen numbers)
        QStringLiteral("Vollsystem %1"), // 254 SystemFull (system number 0kk)
        QStringLiteral("Teilsystem %1 wenn %2: %3 Reihen"), // 255 SystemReduced (hits, drawn numbers, rows)
        QStringLiteral("%1 Reihen; %2."), // 256 SystemInfo (rows, guarantee in words)
        QStringLiteral("Die Reihenzahl ist als kleinste bewiesen."), // 257 SystemMinimal
        QStringLiteral("Die beste gefundene Reihenzahl, nicht als kleinste bewiesen."), // 258 SystemBestFound
        QStringLiteral("Die ersten 12 von %1 Reihen stehen auf dem Tippschein; das ganze System speichern Sie als Systemdatei."), // 259 SystemMoreRows (rows)
        QStringLiteral("Ziehung vom %1: %2"), // 260 SystemRatingDraw (date, draw line)
        QStringLiteral("%1 Richtige, Reihen: %2"), // 261 SystemHits (hits, rows)
        QStringLiteral("%1, Reihen: %2"), // 262 SystemClassRows (class, rows)
        QStringLiteral("Lauf des Tippscheins, %1 gespeicherte Ziehungen:"), // 263 SystemRunHeading (draws)
        QStringLiteral("CSV-Dateien"), // 264 SystemCsvFiles (file type)
        QStringLiteral("Die angezeigte Ziehung hat keine sechs Zahlen."), // 265 SystemNoDraw
        QStringLiteral("Rückblick: %1 auf %2, Ziehungen vom %3 bis %4"), // 266 SystemBacktestHeading (system, numbers, from, to)
        QStringLiteral("%1 Ziehungen gewertet, %2 ohne sechs gültige Zahlen übersprungen."), // 267 SystemBacktestDraws (draws, skipped)
        QStringLiteral("Zum Vergleich %1 Zufallsreihen auf denselben Ziehungen:"), // 268 SystemBacktestRandom (rows)
        QStringLiteral("Einsatz: %1"), // 269 SystemBacktestStake (amount)
        QStringLiteral("Keine gespeicherte Ziehung vom %1 bis %2."), // 270 SystemBacktestNoDraw (from, to)
        QStringLiteral("Die Systemdatei „%1“ kann nicht verwendet werden: %2"), // 271 CheckSystemFileBad (file, reason)
        QStringLiteral("Die Reihen kommen aus genau einer Quelle: --row, --tips oder --system."), // 272 CheckOneRowSource
        QStringLiteral("Eigenes Teilsystem %1 wenn %2: %3 Reihen"), // 273 SystemBuilt (hits, drawn numbers, rows)
        QStringLiteral("Eigenes System: %1 Reihen"), // 274 SystemOwnPlain (rows)
        QStringLiteral("%1 Reihen, ohne Garantie."), // 275 SystemInfoPlain (rows)
        QStringLiteral("Kein System mit dieser Garantie kommt mit weniger als %1 Reihen aus."), // 276 SystemLowerBound (rows)
        QStringLiteral("Suche nach einem Teilsystem %1 wenn %2 für %3 Zahlen … Ein zweiter Klick hält sie an und behält das beste bis dahin gefundene."), // 277 SystemBuilding (hits, drawn numbers, numbers)
        QStringLiteral("Gefunden und vom Prüfer bestätigt: %1 Reihen nach %2 Suchschritten."), // 278 SystemBuildDone (rows, steps)
        QStringLiteral("Die Suche wurde angehalten; das beste bis dahin gefundene System ist geprüft und ausgewählt."), // 279 SystemBuildStopped
        QStringLiteral("Die neue Suche fand kein kleineres System (%1 Reihen); das bisherige mit %2 Reihen bleibt."), // 280 SystemBuildKept (new rows, kept rows)
        QStringLiteral("Dieses System liegt dem Programm schon bei und ist ausgewählt."), // 281 SystemBuildShipped
        QStringLiteral("Noch kein Zahlenpool: Er entsteht, wenn Sie auf „Lottotipp“ Tipps berechnen."), // 282 SystemNoPool
        QStringLiteral("Die %1 stärksten Zahlen des letzten Zahlenpools sind gewählt."), // 283 SystemFromPool (numbers)
        QStringLiteral("Die Systemdatei hat %1 Zahlen; hier sind 7 bis 13 möglich."), // 284 SystemLoadCount (numbers)
        QStringLiteral("%1 mit den Zahlen %2"), // 285 SystemPrintHeading (system, numbers)
        QStringLiteral("Gefunden und vom Prüfer bestätigt: %1 Reihen, schon ohne Suchschritte."), // 286 SystemBuildAtOnce (rows)
    };
}
