#include "stats/StatsTexts.h"

StatsTexts StatsTexts::fromLines(const std::function<QString(int)>& line)
{
    StatsTexts t;
    t.zahlenverteilung = line(0);
    t.ziehungen = line(1);
    t.quersumme = line(2);
    t.paare = line(9);
    t.gefunden = line(10);
    t.dreier = line(11);
    t.quersummenverteilung = line(13);
    t.quersummeKurz = line(14);
    t.vierer = line(15);
    t.ueberfaellig = line(28);
    t.tippverteilung = line(29);
    t.superzahl = line(38);
    t.primzahlenBei = line(44);
    t.warenPrimzahlen = line(45);
    t.ungeradeBei = line(46);
    t.warenUngerade = line(47);
    t.geradeBei = line(48);
    t.warenGerade = line(49);
    t.zahl = line(80);
    t.wieOftGezogen = line(81);
    t.seitLetztem = line(82);
    t.anzahlZiehungen = line(83);
    t.superzahlAchse = line(84);
    t.anzahlInTipps = line(85);
    t.folgeAb = line(86);
    t.primzahlenJe = line(87);
    t.ungeradeJe = line(88);
    t.geradeJe = line(89);
    t.primzahl = line(90);
    t.keinePrimzahl = line(91);
    t.gezaehltAb = line(92);
    t.gezaehltNach = line(93);
    return t;
}
