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
    t.zahl = line(87);
    t.wieOftGezogen = line(88);
    t.seitLetztem = line(89);
    t.anzahlZiehungen = line(90);
    t.superzahlAchse = line(91);
    t.anzahlInTipps = line(92);
    t.folgeAb = line(93);
    t.primzahlenJe = line(94);
    t.ungeradeJe = line(95);
    t.geradeJe = line(96);
    t.primzahl = line(97);
    t.keinePrimzahl = line(98);
    t.gezaehltAb = line(99);
    t.gezaehltNach = line(100);
    return t;
}
