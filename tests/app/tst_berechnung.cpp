#include "app/pages/BerechnungPage.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

class TestBerechnung : public QObject {
    Q_OBJECT
private slots:
    void subTabs();
    void defaultValues_data();
    void defaultValues();
    void paramsFollowTheirControls_data();
    void paramsFollowTheirControls();
    void paramsRoundTrip();
    void evenAndOddNeverExceedSix();
    void floorStaysAtOrBelowCeiling();
    void restoringInFieldOrderKeepsValues_data();
    void restoringInFieldOrderKeepsValues();
    void runLimitReportsPositionBefore();
    void chartControls_data();
    void chartControls();
};

namespace {

const QString percentHint =
    QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen");
const QString lastDrawHint = QStringLiteral("Übereinstimmung mit Zahlen aus vorhergehender Ziehung");
const QString databaseHint = QStringLiteral(
    "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer "
    "Diagrammübersicht");
const QString recentHitsHint =
    QStringLiteral("Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen");
const QString recentDrawsHint =
    QStringLiteral("Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen");

void check(const char* name, const QString& caption, const QString& hint, bool checked)
{
    QTest::newRow(name) << QString::fromLatin1(name) << caption << hint << int(checked) << -1 << -1;
}

void field(const char* upDown, const char* edit, int minimum, int maximum, int position,
           const QString& hint = {})
{
    QTest::newRow(upDown) << QString::fromLatin1(upDown) << QString::fromLatin1(edit) << hint
                          << position << minimum << maximum;
}

void label(const char* name, const QString& caption)
{
    QTest::newRow(name) << QString::fromLatin1(name) << caption << QString() << -1 << -1 << -1;
}

UpDown* upDown(BerechnungPage& page, int number)
{
    return page.findChild<UpDown*>(QStringLiteral("UpDown%1").arg(number));
}

} // namespace

void TestBerechnung::subTabs()
{
    BerechnungPage page;
    QCOMPARE(page.objectName(), QStringLiteral("TabSheet6"));
    auto* tabs = page.findChild<QTabWidget*>(QStringLiteral("PageControl2"));
    QVERIFY(tabs);
    const QStringList names = {"TabSheet8", "TabSheet9", "TabSheet7", "TabSheet10"};
    const QStringList captions = {"Statistisch", "Schein Optimierung", "Mathematisch", "Allgemein"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), names[i]);
        QCOMPARE(tabs->tabText(i), captions[i]);
        QVERIFY(tabs->isTabVisible(i));
    }
    QCOMPARE(tabs->count(), 5);
    QVERIFY(!tabs->isTabVisible(4));
    auto* superNumber = tabs->widget(4)->findChild<RadioGroup*>(QStringLiteral("RadioGroup1"));
    auto* games = tabs->widget(4)->findChild<RadioGroup*>(QStringLiteral("RadioGroup2"));
    QVERIFY(superNumber && games);
    QCOMPARE(superNumber->title(), QStringLiteral("Superzahl Option"));
    QCOMPARE(superNumber->itemIndex(), 0);
    QCOMPARE(games->title(), QStringLiteral("Super6 und Spiel77 Option"));
    QVERIFY(games->items().size() >= 4);
    QCOMPARE(games->itemIndex(), 3);
}

// Check boxes: caption, hint, checked. Numeric fields: edit name in the
// caption column, hint, position, minimum, maximum. Labels: caption.
void TestBerechnung::defaultValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");

    // Statistisch
    check("CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen",
          "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen", false);
    field("UpDown12", "Edit85", 5, 75, 30, percentHint);
    check("CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen",
          "die ersten X% der am seltensten gezogenen Zahlen bevorzugen", true);
    field("UpDown14", "Edit87", 5, 75, 20, percentHint);
    check("CheckBox10", "Zahlen die am längsten überfällig sind",
          "die ersten X% der am längsten überfälligen Zahlen bevorzugen", true);
    field("UpDown13", "Edit86", 5, 75, 30, percentHint);
    check("CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", {}, false);
    check("CheckBox11", "seltensten", {}, false);
    check("CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", {}, false);
    check("CheckBox12", "seltensten", {}, false);
    check("CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", {}, false);
    check("CheckBox13", "seltensten", {}, false);
    check("CheckBox19", "benachbarte Zahlen der letzten Ziehung bevorzugen", {}, false);
    check("CheckBox29", "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", {},
          false);
    check("CheckBox30",
          "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten", {},
          false);
    // Schein Optimierung
    check("CheckBox3", "maximale Übereinstimmungen mit anderen Tipps", {}, true);
    field("UpDown3", "Edit39", 0, 5, 2);
    check("CheckBox24", "minimale Übereinstimmungen mit anderen Tipps", {}, true);
    field("UpDown9", "Edit88", 0, 5, 0);
    check("CheckBox27", "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", {},
          false);
    check("CheckBox4", "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ", lastDrawHint,
          true);
    field("UpDown4", "Edit40", 0, 5, 0);
    check("CheckBox5", "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ",
          lastDrawHint, true);
    field("UpDown5", "Edit41", 0, 5, 1);
    check("CheckBox23", "maximal zugelassene Anzahl von Zahlen der vorvorletzten Ziehung ",
          lastDrawHint, true);
    field("UpDown11", "Edit84", 0, 5, 2);
    check("CheckBox9", "Tipp enspricht noch keiner Ziehung der Datenbank nit ", databaseHint, true);
    field("UpDown6", "Edit42", 4, 6, 5,
          "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden");
    label("Label76", "Richtigen");
    check("CheckBox28", "Tipp ergibt keine", databaseHint, true);
    field("UpDown17", "Edit91", 2, 6, 3, recentHitsHint);
    label("Label77", "Richtigen in den letzten");
    field("UpDown18", "Edit92", 4, 500, 10, recentDrawsHint);
    label("Label79", "Ziehungen");
    check("CheckBox34", "Tipp ergibt keine ", databaseHint, true);
    field("UpDown20", "Edit94", 2, 6, 4, recentHitsHint);
    field("UpDown21", "Edit95", 4, 500, 100, recentDrawsHint);
    check("CheckBox35", "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen ", {}, true);
    // Mathematisch
    label("Label86", "Diese Bedingungen werden in jeder Tippreihe berücksichtigt");
    field("UpDown1", "Edit37", 21, 279, 50);
    field("UpDown2", "Edit38", 21, 279, 250);
    label("Label88",
          "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ");
    check("CheckBox22", "mindest Anzahl von Primzahlen in jedem Tipp", {}, false);
    field("UpDown10", "Edit83", 0, 6, 2);
    check("CheckBox25", "mindest Anzahl von geraden Zahlen in jedem Tipp", {}, false);
    field("UpDown15", "Edit89", 0, 6, 2);
    check("CheckBox26", "mindest Anzahl ungeraden Zahlen in jedem Tipp", {}, false);
    field("UpDown16", "Edit90", 0, 6, 2);
    check("CheckBox8", "eine Paarbildung pro Tipp erzwingen", {}, false);
    check("CheckBox18", "keine Dreier , Vierer... Paare", {}, true);
    // Allgemein
    check("CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!", {}, false);
    check("CheckBox20", "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", {}, false);
    label("Label85", "Max. Berechnungsläufe");
    field("UpDown7", "Edit55", 1, 30000, 50);
    label("Label87", "Tausend");
    label("Label78", "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                     "Einstellungen nicht alle Reihen berechnet werden konnten. ");
}

void TestBerechnung::defaultValues()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    BerechnungPage page;
    QWidget* control = page.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        QCOMPARE(box->text(), caption);
        QCOMPARE(box->toolTip(), hint);
        QCOMPARE(int(box->isChecked()), value);
    } else if (auto* spin = qobject_cast<UpDown*>(control)) {
        QCOMPARE(spin->edit()->objectName(), caption);
        QCOMPARE(spin->edit()->toolTip(), hint);
        QCOMPARE(spin->toolTip(), hint);
        QCOMPARE(spin->position(), value);
        QCOMPARE(spin->minimum(), minimum);
        QCOMPARE(spin->maximum(), maximum);
    } else if (auto* text = qobject_cast<QLabel*>(control)) {
        QCOMPARE(text->text(), caption);
    } else {
        QFAIL("unexpected control kind");
    }
}

// Each control changed on its own must change exactly the parameter it feeds.
void TestBerechnung::paramsFollowTheirControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("field");

    const std::pair<const char*, const char*> checks[] = {
        {"CheckBox2", "preferFrequent"},     {"CheckBox14", "preferRare"},
        {"CheckBox10", "preferOverdue"},     {"CheckBox1", "preferFrequentPairs"},
        {"CheckBox11", "preferRarePairs"},   {"CheckBox6", "preferFrequentTriples"},
        {"CheckBox12", "preferRareTriples"}, {"CheckBox7", "preferFrequentQuads"},
        {"CheckBox13", "preferRareQuads"},   {"CheckBox19", "preferNeighbours"},
        {"CheckBox29", "avoidMonthNumbers"}, {"CheckBox30", "weakenDateNumbers"},
        {"CheckBox3", "overlapCeilingOn"},   {"CheckBox24", "overlapFloorOn"},
        {"CheckBox27", "overlapEachRow"},    {"CheckBox4", "limitLastDraw"},
        {"CheckBox5", "limitSecondLastDraw"}, {"CheckBox23", "limitThirdLastDraw"},
        {"CheckBox9", "rejectDatabaseHits"}, {"CheckBox28", "rejectRecentHits"},
        {"CheckBox34", "rejectRecentHits2"}, {"CheckBox35", "bonusCountsAsHit"},
        {"CheckBox22", "minPrimesOn"},       {"CheckBox25", "minEvenOn"},
        {"CheckBox26", "minOddOn"},          {"CheckBox8", "forcePair"},
        {"CheckBox18", "noTriples"},         {"CheckBox15", "onlyPreferred"},
        {"CheckBox20", "editPool"},
    };
    for (const auto& [control, name] : checks)
        QTest::newRow(control) << QString::fromLatin1(control) << -1 << QString::fromLatin1(name);

    const std::tuple<const char*, int, const char*> fields[] = {
        {"UpDown12", 70, "frequentPercent"},    {"UpDown14", 71, "rarePercent"},
        {"UpDown13", 72, "overduePercent"},     {"UpDown3", 4, "overlapCeiling"},
        {"UpDown9", 1, "overlapFloor"},         {"UpDown4", 3, "lastDrawLimit"},
        {"UpDown5", 4, "secondLastDrawLimit"},  {"UpDown11", 5, "thirdLastDrawLimit"},
        {"UpDown6", 6, "databaseHitCount"},     {"UpDown17", 5, "recentHitCount"},
        {"UpDown18", 400, "recentDraws"},       {"UpDown20", 6, "recentHitCount2"},
        {"UpDown21", 401, "recentDraws2"},      {"UpDown1", 60, "crossSumMin"},
        {"UpDown2", 200, "crossSumMax"},        {"UpDown10", 5, "minPrimes"},
        {"UpDown15", 3, "minEven"},             {"UpDown16", 1, "minOdd"},
        {"UpDown7", 30000, "runLimitThousands"},
    };
    for (const auto& [control, value, name] : fields)
        QTest::newRow(control) << QString::fromLatin1(control) << value << QString::fromLatin1(name);
}

namespace {

QMap<QString, int> byName(const GenerationParams& p)
{
    return {
        {"preferFrequent", p.preferFrequent}, {"frequentPercent", p.frequentPercent},
        {"preferRare", p.preferRare}, {"rarePercent", p.rarePercent},
        {"preferOverdue", p.preferOverdue}, {"overduePercent", p.overduePercent},
        {"preferFrequentPairs", p.preferFrequentPairs}, {"preferRarePairs", p.preferRarePairs},
        {"preferFrequentTriples", p.preferFrequentTriples},
        {"preferRareTriples", p.preferRareTriples},
        {"preferFrequentQuads", p.preferFrequentQuads}, {"preferRareQuads", p.preferRareQuads},
        {"preferNeighbours", p.preferNeighbours}, {"avoidMonthNumbers", p.avoidMonthNumbers},
        {"weakenDateNumbers", p.weakenDateNumbers}, {"overlapCeilingOn", p.overlapCeilingOn},
        {"overlapCeiling", p.overlapCeiling}, {"overlapFloorOn", p.overlapFloorOn},
        {"overlapFloor", p.overlapFloor}, {"overlapEachRow", p.overlapEachRow},
        {"limitLastDraw", p.limitLastDraw}, {"lastDrawLimit", p.lastDrawLimit},
        {"limitSecondLastDraw", p.limitSecondLastDraw},
        {"secondLastDrawLimit", p.secondLastDrawLimit},
        {"limitThirdLastDraw", p.limitThirdLastDraw}, {"thirdLastDrawLimit", p.thirdLastDrawLimit},
        {"rejectDatabaseHits", p.rejectDatabaseHits}, {"databaseHitCount", p.databaseHitCount},
        {"rejectRecentHits", p.rejectRecentHits}, {"recentHitCount", p.recentHitCount},
        {"recentDraws", p.recentDraws}, {"rejectRecentHits2", p.rejectRecentHits2},
        {"recentHitCount2", p.recentHitCount2}, {"recentDraws2", p.recentDraws2},
        {"bonusCountsAsHit", p.bonusCountsAsHit}, {"crossSumMin", p.crossSumMin},
        {"crossSumMax", p.crossSumMax}, {"minPrimesOn", p.minPrimesOn}, {"minPrimes", p.minPrimes},
        {"minEvenOn", p.minEvenOn}, {"minEven", p.minEven}, {"minOddOn", p.minOddOn},
        {"minOdd", p.minOdd}, {"forcePair", p.forcePair}, {"noTriples", p.noTriples},
        {"onlyPreferred", p.onlyPreferred}, {"editPool", p.editPool},
        {"runLimitThousands", p.runLimitThousands}, {"rowCount", p.rowCount},
    };
}

} // namespace

void TestBerechnung::paramsFollowTheirControls()
{
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(QString, field);

    BerechnungPage page;
    const QMap<QString, int> before = byName(page.params());
    if (auto* box = page.findChild<QCheckBox*>(control))
        box->toggle();
    else
        page.findChild<UpDown*>(control)->setPosition(value);
    const QMap<QString, int> after = byName(page.params());

    QStringList changed;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) != it.value())
            changed << it.key();
    QCOMPARE(changed, QStringList{field});
}

void TestBerechnung::paramsRoundTrip()
{
    GenerationParams wanted;
    wanted.preferFrequent = true;
    wanted.frequentPercent = 75;
    wanted.preferRare = false;
    wanted.overlapCeiling = 1;
    wanted.overlapFloor = 1;
    wanted.minEven = 5;
    wanted.minOdd = 1;
    wanted.crossSumMin = 21;
    wanted.crossSumMax = 279;
    wanted.noTriples = false;
    wanted.runLimitThousands = 1;
    wanted.rowCount = 7;

    BerechnungPage page;
    QCOMPARE(page.params(), GenerationParams{}); // design values are the struct's defaults
    // Tighten the coupled bounds first, as a user would have.
    upDown(page, 15)->setPosition(1);
    upDown(page, 16)->setPosition(4);
    upDown(page, 9)->setPosition(2);
    page.setParams(wanted);
    QCOMPARE(byName(page.params(7)), byName(wanted));
}

void TestBerechnung::evenAndOddNeverExceedSix()
{
    BerechnungPage page;
    page.show();
    UpDown* even = upDown(page, 15);
    UpDown* odd = upDown(page, 16);

    odd->setPosition(4);
    QCOMPARE(even->maximum(), 2);
    even->setFocus();
    even->stepBy(3);
    QCOMPARE(even->position(), 2);

    // Lowering odd makes room for even again, and the user's approach to a
    // field tightens it before the first change.
    odd->setPosition(1);
    QCOMPARE(even->maximum(), 5);
    QCOMPARE(odd->maximum(), 4);
    QTest::mouseClick(odd->edit(), Qt::LeftButton);
    odd->stepBy(6);
    QCOMPARE(odd->position(), 4);
    QVERIFY(even->position() + odd->position() <= 6);
}

void TestBerechnung::floorStaysAtOrBelowCeiling()
{
    BerechnungPage page;
    page.show();
    UpDown* ceiling = upDown(page, 3);
    UpDown* floor = upDown(page, 9);

    QTest::mouseClick(floor->edit(), Qt::LeftButton);
    floor->stepBy(5);
    QCOMPARE(floor->position(), 2); // not above the ceiling of 2
    ceiling->stepBy(-2);
    QCOMPARE(ceiling->position(), 2); // not below the floor of 2
    ceiling->setPosition(5);
    floor->stepBy(5);
    QCOMPARE(floor->position(), 5);
}

void TestBerechnung::restoringInFieldOrderKeepsValues_data()
{
    QTest::addColumn<int>("first");  // UpDown3 or UpDown15, restored first
    QTest::addColumn<int>("second"); // UpDown9 or UpDown16
    QTest::addColumn<int>("firstValue");
    QTest::addColumn<int>("secondValue");
    QTest::newRow("even 5, odd 1") << 15 << 16 << 5 << 1;
    QTest::newRow("even 6, odd 0") << 15 << 16 << 6 << 0;
    QTest::newRow("even 0, odd 6") << 15 << 16 << 0 << 6;
    QTest::newRow("ceiling 4, floor 3") << 3 << 9 << 4 << 3;
    QTest::newRow("ceiling 5, floor 5") << 3 << 9 << 5 << 5;
    QTest::newRow("ceiling 0, floor 0") << 3 << 9 << 0 << 0;
}

void TestBerechnung::restoringInFieldOrderKeepsValues()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, firstValue);
    QFETCH(int, secondValue);
    BerechnungPage page;
    upDown(page, first)->setPosition(firstValue);
    upDown(page, second)->setPosition(secondValue);
    QCOMPARE(upDown(page, first)->position(), firstValue);
    QCOMPARE(upDown(page, second)->position(), secondValue);
}

void TestBerechnung::runLimitReportsPositionBefore()
{
    BerechnungPage page;
    QSignalSpy spy(&page, &BerechnungPage::runLimitChanging);
    upDown(page, 7)->setPosition(30000);
    upDown(page, 7)->setPosition(1);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 50);
    QCOMPARE(spy.at(1).at(0).toInt(), 30000);
    QCOMPARE(page.params().runLimitThousands, 1);
}

void TestBerechnung::chartControls_data()
{
    using Chart = BerechnungPage::Chart;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<Chart>("chart");
    QTest::newRow("SpeedButton26") << "SpeedButton26" << "Verteilung der gezogenen Zahlen"
                                   << Chart::NumberDistribution;
    QTest::newRow("SpeedButton22") << "SpeedButton22" << "Ausstehende" << Chart::Overdue;
    QTest::newRow("SpeedButton23") << "SpeedButton23" << "Diagramm der Paare" << Chart::PairChart;
    QTest::newRow("SpeedButton24") << "SpeedButton24" << "Diagramm der Dreiergruppen"
                                   << Chart::TripleChart;
    QTest::newRow("SpeedButton25") << "SpeedButton25" << "Diagramm der Vierergruppen"
                                   << Chart::QuadChart;
    QTest::newRow("SpeedButton17") << "SpeedButton17" << "Quersummenverteilung" << Chart::CrossSums;
    QTest::newRow("SpeedButton21") << "SpeedButton21" << "Paare suchen" << Chart::PairCount;
    QTest::newRow("SpeedButton27") << "SpeedButton27" << "Dreier suchen" << Chart::TripleCount;
    QTest::newRow("SpeedButton28") << "SpeedButton28" << "Vierer suchen" << Chart::QuadCount;
    QTest::newRow("SpeedButton29") << "SpeedButton29" << "Diagramm der Primzahlen pro Tipp"
                                   << Chart::PrimesPerTip;
    QTest::newRow("SpeedButton31") << "SpeedButton31" << "Diagramm der geraden Zahlen pro Tipp"
                                   << Chart::EvenPerTip;
    QTest::newRow("SpeedButton32") << "SpeedButton32" << "Diagramm der ungeraden Zahlen pro Tipp"
                                   << Chart::OddPerTip;
    QTest::newRow("Label88") << "Label88" << "" << Chart::CrossSums;
    QTest::newRow("Label89") << "Label89" << "" << Chart::PairChart;
    QTest::newRow("Label91") << "Label91" << "" << Chart::TripleChart;
    QTest::newRow("Label90") << "Label90" << "" << Chart::QuadChart;
}

void TestBerechnung::chartControls()
{
    using Chart = BerechnungPage::Chart;
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(Chart, chart);

    BerechnungPage page;
    page.show();
    QWidget* control = page.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
    page.pageControl()->setCurrentWidget(control->parentWidget());
    QSignalSpy spy(&page, &BerechnungPage::chartRequested);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).value<Chart>(), chart);
}

QTEST_MAIN(TestBerechnung)
#include "tst_berechnung.moc"
