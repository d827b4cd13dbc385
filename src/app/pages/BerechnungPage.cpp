#include "app/pages/BerechnungPage.h"

#include "app/pages/FilterCountLine.h"

#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

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

// A small bar-chart glyph, so the chart buttons read as "show a diagram"
// in every language without a caption.
QIcon chartIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 0));
    const int heights[] = {7, 12, 4, 10};
    for (int i = 0; i < 4; ++i)
        painter.drawRect(1 + i * 4, 15 - heights[i], 3, heights[i]);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawRect(0, 15, 16, 1);
    return QIcon(pixmap);
}

QGridLayout* gridFor(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    return grid;
}

// Keeps a spin field as narrow as its largest value needs.
void fitWidth(UpDown* upDown)
{
    upDown->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

} // namespace

BerechnungPage::BerechnungPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet6"));
    // The captions here are long; set a little tighter, the page keeps its
    // design width even with wide fallback fonts. Only the spacing is set,
    // so family and size still follow the window's font.
    QFont tighter;
    tighter.setLetterSpacing(QFont::PercentageSpacing, 95);
    setFont(tighter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pageControl2_ = new QTabWidget(this);
    pageControl2_->setObjectName(QStringLiteral("PageControl2"));
    layout->addWidget(pageControl2_);

    struct Sheet {
        const char* name;
        QString caption;
        void (BerechnungPage::*build)(QWidget*);
    };
    const Sheet sheets[] = {
        {"TabSheet8", QStringLiteral("Statistisch"), &BerechnungPage::buildStatistisch},
        {"TabSheet9", QStringLiteral("Schein Optimierung"), &BerechnungPage::buildScheinOptimierung},
        {"TabSheet7", QStringLiteral("Mathematisch"), &BerechnungPage::buildMathematisch},
        {"TabSheet10", QStringLiteral("Allgemein"), &BerechnungPage::buildAllgemein},
        {"TabSheet12", QStringLiteral("Zusatzspiele"), &BerechnungPage::buildHiddenOptions},
    };
    for (const Sheet& sheet : sheets) {
        auto* page = new QWidget(pageControl2_);
        page->setObjectName(QLatin1String(sheet.name));
        (this->*sheet.build)(page);
        pageControl2_->addTab(page, sheet.caption);
    }
    // The additional games are not offered; their option groups are only
    // stored and translated.
    pageControl2_->setTabVisible(4, false);
    // Ctrl+Tab passes over disabled tabs only, not over hidden ones; the
    // pages themselves stay enabled.
    pageControl2_->tabBar()->setTabEnabled(4, false);
    filterLine_ = new FilterCountLine(this);
    layout->addWidget(filterLine_);

    for (int number : {15, 16, 3, 9})
        watchForUse(upDowns_.value(number));
    for (int number : {15, 16, 3, 9})
        connect(upDowns_.value(number), &QSpinBox::valueChanged, this,
                [this, number] { keepBoundsInStep(number); });

    connect(upDowns_.value(7), &QSpinBox::valueChanged, this, [this](int position) {
        const int before = runLimitPosition_;
        runLimitPosition_ = position;
        emit runLimitChanging(before);
    });
    watchRowFilters();
}

// ---------------------------------------------------------------- sub-tabs

void BerechnungPage::buildStatistisch(QWidget* page)
{
    QGridLayout* grid = gridFor(page);
    int row = 0;
    auto percentRow = [&](int check, const QString& caption, const QString& hint, bool on,
                          int upDown, int edit, int position, int label, int button,
                          const QString& buttonHint, Chart chart) {
        grid->addWidget(addCheck(page, check, caption, hint, on), row, 0);
        grid->addWidget(addUpDown(page, upDown, edit, 5, 75, position, percentHint), row, 1);
        grid->addWidget(addLabel(page, label, QStringLiteral("%")), row, 2);
        if (button)
            grid->addWidget(addChartButton(page, button, buttonHint, chart), row, 3);
        ++row;
    };
    percentRow(2, QStringLiteral("Zahlen die besonders oft gezogen wurden bevorzugen"),
               QStringLiteral("Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"), false,
               12, 85, 30, 73, 26, QStringLiteral("Verteilung der gezogenen Zahlen"),
               Chart::NumberDistribution);
    percentRow(14, QStringLiteral("Zahlen die besonders selten gezogen wurden bevorzugen"),
               QStringLiteral("die ersten X% der am seltensten gezogenen Zahlen bevorzugen"), true,
               14, 87, 20, 74, 0, {}, Chart::NumberDistribution);
    percentRow(10, QStringLiteral("Zahlen die am längsten überfällig sind"),
               QStringLiteral("die ersten X% der am längsten überfälligen Zahlen bevorzugen"), true,
               13, 86, 30, 75, 22, QStringLiteral("Ausstehende"), Chart::Overdue);

    auto groupRow = [&](int frequent, const QString& caption, int rare, int button,
                        const QString& buttonHint, Chart chart) {
        grid->addWidget(addCheck(page, frequent, caption, {}, false), row, 0);
        grid->addWidget(addCheck(page, rare, QStringLiteral("seltensten"), {}, false), row, 1, 1, 2);
        grid->addWidget(addChartButton(page, button, buttonHint, chart), row, 3);
        ++row;
    };
    groupRow(1, QStringLiteral("Zahlen mit einer häufigen Paarebildung bevorzugen"), 11, 23,
             QStringLiteral("Diagramm der Paare"), Chart::PairChart);
    groupRow(6, QStringLiteral("Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen"), 12, 24,
             QStringLiteral("Diagramm der Dreiergruppen"), Chart::TripleChart);
    groupRow(7, QStringLiteral("Zahlen mit einer häufigen Viergruppenbildung bevorzugen"), 13, 25,
             QStringLiteral("Diagramm der Vierergruppen"), Chart::QuadChart);

    const std::pair<int, QString> plain[] = {
        {19, QStringLiteral("benachbarte Zahlen der letzten Ziehung bevorzugen")},
        {29, QStringLiteral("vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ")},
        {30, QStringLiteral(
                 "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten")},
    };
    for (const auto& [number, caption] : plain)
        grid->addWidget(addCheck(page, number, caption, {}, false), row++, 0, 1, 5);

    grid->setColumnStretch(4, 1);
    grid->setRowStretch(row, 1);
}

void BerechnungPage::buildScheinOptimierung(QWidget* page)
{
    QGridLayout* grid = gridFor(page);
    int row = 0;
    auto limitRow = [&](int check, const QString& caption, const QString& hint, int upDown,
                        int edit, int minimum, int maximum, int position) {
        grid->addWidget(addCheck(page, check, caption, hint, true), row, 0);
        grid->addWidget(addUpDown(page, upDown, edit, minimum, maximum, position, {}), row, 1);
        ++row;
    };
    limitRow(3, QStringLiteral("maximale Übereinstimmungen mit anderen Tipps"), {}, 3, 39, 0, 5, 2);
    limitRow(24, QStringLiteral("minimale Übereinstimmungen mit anderen Tipps"), {}, 9, 88, 0, 5, 0);
    grid->addWidget(addCheck(page, 27,
                             QStringLiteral("Min/Max bezogen auf Verhältnis jedes Tipps auf jeden "
                                            "Tipp anwenden"),
                             {}, false),
                    row++, 0, 1, 3);
    limitRow(4, QStringLiteral("maximal zugelassene Anzahl von Zahlen der letzten Ziehung "),
             lastDrawHint, 4, 40, 0, 5, 0);
    limitRow(5, QStringLiteral("maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung "),
             lastDrawHint, 5, 41, 0, 5, 1);
    limitRow(23, QStringLiteral("maximal zugelassene Anzahl von Zahlen der vorvorletzten Ziehung "),
             lastDrawHint, 11, 84, 0, 5, 2);

    // The rows with trailing words are laid out on their own, so those words
    // do not widen the columns of the rows above.
    auto* database = new QHBoxLayout;
    database->setSpacing(6);
    database->addWidget(addCheck(page, 9,
                                 QStringLiteral("Tipp enspricht noch keiner Ziehung der Datenbank "
                                                "nit "),
                                 databaseHint, true));
    database->addWidget(addUpDown(page, 6, 42, 4, 6, 5,
                                  QStringLiteral("Setzen Sie den Wert auf 5 oder 6 falls Sie die "
                                                 "komplette Datenbank verwenden")));
    database->addWidget(addLabel(page, 76, QStringLiteral("Richtigen")));
    database->addStretch(1);
    grid->addLayout(database, row++, 0, 1, 3);

    // The two recent-window checks share their own columns, so their fields
    // line up although one caption ends in a blank.
    auto* recent = new QGridLayout;
    recent->setHorizontalSpacing(4);
    recent->setVerticalSpacing(3);
    auto recentRow = [&](int line, int check, const QString& caption, int hitsUpDown,
                         int hitsEdit, int hits, int hitsLabel, int drawsUpDown, int drawsEdit,
                         int draws, int drawsLabel) {
        recent->addWidget(addCheck(page, check, caption, databaseHint, true), line, 0);
        recent->addWidget(addUpDown(page, hitsUpDown, hitsEdit, 2, 6, hits, recentHitsHint), line,
                          1);
        recent->addWidget(addLabel(page, hitsLabel, QStringLiteral("Richtigen in den letzten")),
                          line, 2);
        recent->addWidget(addUpDown(page, drawsUpDown, drawsEdit, 4, 500, draws, recentDrawsHint),
                          line, 3);
        recent->addWidget(addLabel(page, drawsLabel, QStringLiteral("Ziehungen")), line, 4);
    };
    recentRow(0, 28, QStringLiteral("Tipp ergibt keine"), 17, 91, 3, 77, 18, 92, 10, 79);
    recentRow(1, 34, QStringLiteral("Tipp ergibt keine "), 20, 94, 4, 80, 21, 95, 100, 81);
    recent->setColumnStretch(5, 1);
    grid->addLayout(recent, row++, 0, 1, 3);

    grid->addWidget(addCheck(page, 35,
                             QStringLiteral("Zusatzzahl in die Berechnung der Richtigen mit "
                                            "einbeziehen "),
                             {}, true),
                    row++, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
}

void BerechnungPage::buildMathematisch(QWidget* page)
{
    QGridLayout* grid = gridFor(page);
    int row = 0;
    grid->addWidget(addLabel(page, 86, QStringLiteral("Diese Bedingungen werden in jeder "
                                                      "Tippreihe berücksichtigt")),
                    row++, 0, 1, 4);

    // The cross-sum limits read as one sentence around the two fields.
    auto* crossSum = new QHBoxLayout;
    crossSum->setSpacing(6);
    crossSum->addWidget(addLabel(page, 82, QStringLiteral("Quersummen von")));
    crossSum->addWidget(addUpDown(page, 1, 37, 21, 279, 50, {}));
    crossSum->addWidget(addLabel(page, 83, QStringLiteral("bis")));
    crossSum->addWidget(addUpDown(page, 2, 38, 21, 279, 250, {}));
    crossSum->addWidget(addLabel(page, 84, QStringLiteral("im Tipp zulassen")));
    crossSum->addStretch(1);
    grid->addLayout(crossSum, row, 0, 1, 2);
    grid->addWidget(addChartButton(page, 17, QStringLiteral("Quersummenverteilung"),
                                   Chart::CrossSums),
                    row++, 2);
    grid->addWidget(addLinkLabel(page, 88,
                                 QStringLiteral("Die Quersummerverteilung der vergangenen "
                                                "Ziehungen sehen Sie im Diagramm unter QS  "),
                                 Chart::CrossSums),
                    row++, 0, 1, 4);

    auto minimumRow = [&](int check, const QString& caption, int upDown, int edit, int button,
                          const QString& buttonHint, Chart chart) {
        grid->addWidget(addCheck(page, check, caption, {}, false), row, 0);
        grid->addWidget(addUpDown(page, upDown, edit, 0, 6, 2, {}), row, 1);
        grid->addWidget(addChartButton(page, button, buttonHint, chart), row, 2);
        ++row;
    };
    minimumRow(22, QStringLiteral("mindest Anzahl von Primzahlen in jedem Tipp"), 10, 83, 29,
               QStringLiteral("Diagramm der Primzahlen pro Tipp"), Chart::PrimesPerTip);
    minimumRow(25, QStringLiteral("mindest Anzahl von geraden Zahlen in jedem Tipp"), 15, 89, 31,
               QStringLiteral("Diagramm der geraden Zahlen pro Tipp"), Chart::EvenPerTip);
    minimumRow(26, QStringLiteral("mindest Anzahl ungeraden Zahlen in jedem Tipp"), 16, 90, 32,
               QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"), Chart::OddPerTip);

    grid->addWidget(addCheck(page, 8, QStringLiteral("eine Paarbildung pro Tipp erzwingen"), {},
                             false),
                    row, 0, 1, 2);
    grid->addWidget(addChartButton(page, 21, QStringLiteral("Paare suchen"), Chart::PairCount),
                    row++, 2);
    grid->addWidget(addCheck(page, 18, QStringLiteral("keine Dreier , Vierer... Paare"), {}, true),
                    row, 0, 1, 2);
    auto* groupButtons = new QHBoxLayout;
    groupButtons->setSpacing(2);
    groupButtons->addWidget(addChartButton(page, 27, QStringLiteral("Dreier suchen"),
                                           Chart::TripleCount));
    groupButtons->addWidget(addChartButton(page, 28, QStringLiteral("Vierer suchen"),
                                           Chart::QuadCount));
    grid->addLayout(groupButtons, row++, 2, Qt::AlignLeft);

    const std::pair<int, QString> links[] = {
        {89, QStringLiteral("Die Paarebildung der vergangenen Ziehungen sehen Sie im Diagramm "
                            "unter 2er")},
        {91, QStringLiteral("Die Dreiergruppen der vergangenen Ziehungen sehen Sie im Diagramm "
                            "unter 3er")},
        {90, QStringLiteral("Die Vierergruppen der vergangenen Ziehungen sehen Sie im Diagramm "
                            "unter 4er")},
    };
    const Chart linkCharts[] = {Chart::PairChart, Chart::TripleChart, Chart::QuadChart};
    for (int i = 0; i < 3; ++i)
        grid->addWidget(addLinkLabel(page, links[i].first, links[i].second, linkCharts[i]), row++,
                        0, 1, 4);

    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
}

void BerechnungPage::buildAllgemein(QWidget* page)
{
    QGridLayout* grid = gridFor(page);
    int row = 0;
    grid->addWidget(addCheck(page, 15, QStringLiteral("für den Tipp nur bevorzugte Zahlen "
                                                      "verwenden!"),
                             {}, false),
                    row++, 0, 1, 4);
    grid->addWidget(addCheck(page, 20, QStringLiteral("Liste für Zahlenreihengenerierung anzeigen "
                                                      "/ bearbeiten"),
                             {}, false),
                    row++, 0, 1, 4);
    grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(addLabel(page, 85, QStringLiteral("Max. Berechnungsläufe")), row, 0);
    grid->addWidget(addUpDown(page, 7, 55, 1, 30000, 50, {}), row, 1);
    grid->addWidget(addLabel(page, 87, QStringLiteral("Tausend")), row++, 2);
    QLabel* advice = addLabel(page, 78,
                              QStringLiteral("Sie können versuchen die Berechnungsläufe zu "
                                             "erhöhen, falls mit Ihren Einstellungen nicht alle "
                                             "Reihen berechnet werden konnten. "));
    advice->setWordWrap(true);
    grid->addWidget(advice, row++, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
}

void BerechnungPage::buildHiddenOptions(QWidget* page)
{
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(new RadioGroup(QStringLiteral("RadioGroup1"),
                                     QStringLiteral("Superzahl Option"),
                                     {QStringLiteral("Superzahl nicht tippen"),
                                      QStringLiteral("Superzahl zufällig wählen"),
                                      QStringLiteral("Superzahl aus der Losnummer")},
                                     0, page));
    layout->addWidget(new RadioGroup(QStringLiteral("RadioGroup2"),
                                     QStringLiteral("Super6 und Spiel77 Option"),
                                     {QStringLiteral("keine Zusatzlotterie"),
                                      QStringLiteral("nur Spiel 77"), QStringLiteral("nur Super 6"),
                                      QStringLiteral("Spiel 77 und Super 6")},
                                     3, page));
}

// ---------------------------------------------------------------- controls

QCheckBox* BerechnungPage::addCheck(QWidget* parent, int number, const QString& caption,
                                    const QString& hint, bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
    box->setToolTip(hint);
    box->setChecked(checked);
    checks_.insert(number, box);
    return box;
}

UpDown* BerechnungPage::addUpDown(QWidget* parent, int number, int editNumber, int minimum,
                                  int maximum, int position, const QString& hint)
{
    auto* upDown = new UpDown(QStringLiteral("UpDown%1").arg(number),
                              QStringLiteral("Edit%1").arg(editNumber), minimum, maximum, position,
                              parent);
    upDown->setToolTip(hint);
    upDown->edit()->setToolTip(hint);
    fitWidth(upDown);
    upDowns_.insert(number, upDown);
    return upDown;
}

QLabel* BerechnungPage::addLabel(QWidget* parent, int number, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    return label;
}

QLabel* BerechnungPage::addLinkLabel(QWidget* parent, int number, const QString& caption,
                                     Chart chart)
{
    QLabel* label = addLabel(parent, number, caption);
    label->setWordWrap(true);
    QFont font;
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    linkLabels_.insert(label, chart);
    return label;
}

QToolButton* BerechnungPage::addChartButton(QWidget* parent, int number, const QString& hint,
                                            Chart chart)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
    button->setToolTip(hint);
    button->setIcon(chartIcon());
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(22, 22);
    connect(button, &QToolButton::clicked, this, [this, chart] { emit chartRequested(chart); });
    return button;
}

void BerechnungPage::watchForUse(UpDown* upDown)
{
    upDown->installEventFilter(this);
    upDown->edit()->installEventFilter(this);
}

bool BerechnungPage::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (linkLabels_.contains(watched)
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit chartRequested(linkLabels_.value(watched));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        if (!linkLabels_.contains(watched))
            keepBoundsInStep(0);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
