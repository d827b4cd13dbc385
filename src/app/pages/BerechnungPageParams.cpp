#include "app/pages/BerechnungPage.h"

#include "app/pages/FilterCountLine.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QShowEvent>

// The parameter snapshot and the coupled bounds of the "Berechnung" tab, and
// the filter line that follows the parameters.

namespace {

// Which control feeds which parameter; params() and setParams() both walk
// these, so a control cannot be read one way and written another.
struct CheckField {
    int number;
    bool GenerationParams::*field;
};
struct UpDownField {
    int number;
    int GenerationParams::*field;
};

constexpr CheckField checkFields[] = {
    {2, &GenerationParams::preferFrequent},       {14, &GenerationParams::preferRare},
    {10, &GenerationParams::preferOverdue},       {1, &GenerationParams::preferFrequentPairs},
    {11, &GenerationParams::preferRarePairs},     {6, &GenerationParams::preferFrequentTriples},
    {12, &GenerationParams::preferRareTriples},   {7, &GenerationParams::preferFrequentQuads},
    {13, &GenerationParams::preferRareQuads},     {19, &GenerationParams::preferNeighbours},
    {29, &GenerationParams::avoidMonthNumbers},   {30, &GenerationParams::weakenDateNumbers},
    {3, &GenerationParams::overlapCeilingOn},     {24, &GenerationParams::overlapFloorOn},
    {27, &GenerationParams::overlapEachRow},      {4, &GenerationParams::limitLastDraw},
    {5, &GenerationParams::limitSecondLastDraw},  {23, &GenerationParams::limitThirdLastDraw},
    {9, &GenerationParams::rejectDatabaseHits},   {28, &GenerationParams::rejectRecentHits},
    {34, &GenerationParams::rejectRecentHits2},   {35, &GenerationParams::bonusCountsAsHit},
    {22, &GenerationParams::minPrimesOn},         {25, &GenerationParams::minEvenOn},
    {26, &GenerationParams::minOddOn},            {8, &GenerationParams::forcePair},
    {18, &GenerationParams::noTriples},           {15, &GenerationParams::onlyPreferred},
    {20, &GenerationParams::editPool},
};

// Ceiling before floor and even before odd: with the bounds widened this is
// the order in which any consistent pair of values arrives intact.
constexpr UpDownField upDownFields[] = {
    {12, &GenerationParams::frequentPercent},  {14, &GenerationParams::rarePercent},
    {13, &GenerationParams::overduePercent},   {3, &GenerationParams::overlapCeiling},
    {9, &GenerationParams::overlapFloor},      {4, &GenerationParams::lastDrawLimit},
    {5, &GenerationParams::secondLastDrawLimit}, {11, &GenerationParams::thirdLastDrawLimit},
    {6, &GenerationParams::databaseHitCount},  {17, &GenerationParams::recentHitCount},
    {18, &GenerationParams::recentDraws},      {20, &GenerationParams::recentHitCount2},
    {21, &GenerationParams::recentDraws2},     {1, &GenerationParams::crossSumMin},
    {2, &GenerationParams::crossSumMax},       {10, &GenerationParams::minPrimes},
    {15, &GenerationParams::minEven},          {16, &GenerationParams::minOdd},
    {7, &GenerationParams::runLimitThousands},
};

} // namespace

// ---------------------------------------------------------------- parameters

GenerationParams BerechnungPage::params(int rowCount) const
{
    GenerationParams p;
    p.rowCount = rowCount;
    for (const CheckField& f : checkFields)
        p.*f.field = checks_.value(f.number)->isChecked();
    for (const UpDownField& f : upDownFields)
        p.*f.field = upDowns_.value(f.number)->position();
    return p;
}

void BerechnungPage::setParams(const GenerationParams& params)
{
    loosenBounds();
    for (const CheckField& f : checkFields)
        checks_.value(f.number)->setChecked(params.*f.field);
    for (const UpDownField& f : upDownFields)
        upDowns_.value(f.number)->setPosition(params.*f.field);
    keepBoundsInStep(0);
}

// ---------------------------------------------------------------- coupled bounds
//
// Minimum even (`UpDown15`) and minimum odd (`UpDown16`) never add up to more
// than 6, and the overlap floor (`UpDown9`) never exceeds the ceiling
// (`UpDown3`). The bounds follow every change and every approach of the user
// to one of these fields. Before the first change they keep their design
// ranges, so the settings can restore any consistent pair in field order.

void BerechnungPage::keepBoundsInStep(int changed)
{
    UpDown* even = upDowns_.value(15);
    UpDown* odd = upDowns_.value(16);
    UpDown* ceiling = upDowns_.value(3);
    UpDown* floor = upDowns_.value(9);
    // The field that just changed keeps its value: the other one's bound is
    // set first, and only then its own.
    // Each pair is left alone while the other pair changes.
    if (changed == 16) {
        even->setMaximum(6 - odd->position());
        odd->setMaximum(6 - even->position());
    } else if (changed != 3 && changed != 9) {
        odd->setMaximum(6 - even->position());
        even->setMaximum(6 - odd->position());
    }
    if (changed == 9) {
        ceiling->setMinimum(floor->position());
        floor->setMaximum(ceiling->position());
    } else if (changed != 15 && changed != 16) {
        floor->setMaximum(ceiling->position());
        ceiling->setMinimum(floor->position());
    }
}

void BerechnungPage::loosenBounds()
{
    upDowns_.value(15)->setMaximum(6);
    upDowns_.value(16)->setMaximum(6);
    upDowns_.value(9)->setMaximum(5);
    upDowns_.value(3)->setMinimum(0);
}

// ---------------------------------------------------------------- filter line

// The controls of the filters that judge a row alone; the line follows them.
void BerechnungPage::watchRowFilters()
{
    auto follow = [this] { filterLine_->setSettings(RowFilterSettings::from(params())); };
    for (int number : {8, 18, 22, 25, 26})
        connect(checks_.value(number), &QCheckBox::toggled, this, follow);
    for (int number : {1, 2, 10, 15, 16})
        connect(upDowns_.value(number), &QSpinBox::valueChanged, this, follow);
    follow();
}

void BerechnungPage::drawsChanged(const QString& databasePath)
{
    filterLine_->setDatabasePath(databasePath);
}

void BerechnungPage::showEvent(QShowEvent* event)
{
    filterLine_->recountDraws();
    QWidget::showEvent(event);
}
