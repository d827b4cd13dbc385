#include "stats/StatsTexts.h"
#include "text/TextLine.h"
#include "text/TextTable.h"

StatsTexts::StatsTexts()
{
    static const QStringList german = TextTable::defaults();
    fill([](int line) { return german.value(line); });
}

StatsTexts StatsTexts::fromLines(const std::function<QString(int)>& line)
{
    StatsTexts texts;
    texts.fill(line);
    return texts;
}

void StatsTexts::fill(const std::function<QString(int)>& line)
{
    StatsTexts& t = *this;
    t.zahlenverteilung = line(TextLine::NumberDistribution);
    t.ziehungen = line(TextLine::Draws);
    t.quersumme = line(TextLine::CrossSum);
    t.paare = line(TextLine::Pairs);
    t.gefunden = line(TextLine::Found);
    t.dreier = line(TextLine::Triples);
    t.quersummenverteilung = line(TextLine::CrossSumDistribution);
    t.quersummeKurz = line(TextLine::CrossSumShort);
    t.vierer = line(TextLine::Quads);
    t.ueberfaellig = line(TextLine::Overdue);
    t.tippverteilung = line(TextLine::TipDistribution);
    t.superzahl = line(TextLine::SuperNumberOverdue);
    t.primzahlenBei = line(TextLine::PrimesPerTipAt);
    t.warenPrimzahlen = line(TextLine::WerePrimes);
    t.ungeradeBei = line(TextLine::OddPerTipAt);
    t.warenUngerade = line(TextLine::WereOdd);
    t.geradeBei = line(TextLine::EvenPerTipAt);
    t.warenGerade = line(TextLine::WereEven);
    t.zahl = line(TextLine::ChartNumber);
    t.wieOftGezogen = line(TextLine::ChartHowOften);
    t.seitLetztem = line(TextLine::ChartSinceLast);
    t.anzahlZiehungen = line(TextLine::ChartDrawCount);
    t.superzahlAchse = line(TextLine::ChartSuperNumber);
    t.anzahlInTipps = line(TextLine::ChartCountInTips);
    t.folgeAb = line(TextLine::ChartRunFrom);
    t.primzahlenJe = line(TextLine::ChartPrimesPerDraw);
    t.ungeradeJe = line(TextLine::ChartOddPerDraw);
    t.geradeJe = line(TextLine::ChartEvenPerDraw);
    t.primzahl = line(TextLine::ChartPrime);
    t.keinePrimzahl = line(TextLine::ChartNotPrime);
    t.gezaehltAb = line(TextLine::CountedFrom);
    t.gezaehltNach = line(TextLine::CountedAfter);
}
