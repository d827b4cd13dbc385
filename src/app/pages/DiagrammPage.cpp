#include "app/pages/DiagrammPage.h"

#include "app/pages/DatePicker.h"
#include "platform/Chart1.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QMenu>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

DiagrammPage::DiagrammPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    auto* tools = new QGroupBox(this);
    tools->setObjectName(QStringLiteral("Panel7"));
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(3);

    auto* startLabel = new QLabel(QStringLiteral("Ab:"), tools);
    startLabel->setObjectName(QStringLiteral("Label51"));
    startDate_ = DatePicker::create(QStringLiteral("DateTimePicker2"), QDate(2015, 10, 7), tools);
    startLabel->setBuddy(startDate_);
    row->addWidget(startLabel);
    row->addWidget(startDate_);
    row->addSpacing(6);

    const auto addButton = [&](const char* name, const QString& text, const QString& hint,
                               Chart chart) {
        auto* button = new QToolButton(tools);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(hint);
        connect(button, &QToolButton::clicked, this, [this, chart] { emit chartRequested(chart); });
        row->addWidget(button);
    };
    addButton("SpeedButton200", QStringLiteral("Verteilung"),
              QStringLiteral("Verteilung der gezogenen Zahlen"), Chart::NumberDistribution);
    addButton("SpeedButton9", QStringLiteral("Ausstehende"),
              QStringLiteral("Welche Zahlen seit wievielen Ziehungen nicht gezogen wurden"),
              Chart::Overdue);
    addButton("SpeedButton900", QStringLiteral("QS"),
              QStringLiteral("Verteilung der Quersummen der Ziehungen"), Chart::CrossSums);
    addButton("SpeedButton1", QStringLiteral("2er"),
              QStringLiteral("Wie oft zwei aufeinanderfolgende Zahlen gezogen wurden"),
              Chart::PairCount);
    addButton("SpeedButton3", QStringLiteral("3er"),
              QStringLiteral("Wie oft drei aufeinanderfolgende Zahlen gezogen wurden"),
              Chart::TripleCount);
    addButton("SpeedButton2", QStringLiteral("4er"),
              QStringLiteral("Wie oft vier aufeinanderfolgende Zahlen gezogen wurden"),
              Chart::QuadCount);
    row->addStretch(1);

    chart_ = new Chart1(this);
    // Above the chart, right-aligned: the tool row below is full.
    auto* chartRow = new QHBoxLayout;
    chartRow->setContentsMargins(0, 0, 0, 0);
    chartRow->addStretch(1);
    zoom_ = new QCheckBox(QStringLiteral("Ausschnitt"), this);
    zoom_->setObjectName(QStringLiteral("ChartZoom"));
    zoom_->setToolTip(QStringLiteral("Werteachse beim kleinsten Wert statt bei 0 beginnen"));
    connect(zoom_, &QCheckBox::toggled, chart_, &Chart1::setZoomed);
    chartRow->addWidget(zoom_);

    auto* keep = new QToolButton(this);
    keep->setObjectName(QStringLiteral("ChartKeep"));
    keep->setText(QStringLiteral("Diagramm"));
    keep->setToolTip(QStringLiteral("Diagramm speichern, drucken oder kopieren"));
    keep->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(keep);
    const auto addKeep = [&](const char* name, const QString& text, const QString& hint, Keep what) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, [this, what] { emit keepRequested(what); });
        menu->addAction(action);
        chart_->addAction(action);
        return action;
    };
    save_ = addKeep("ChartSave", QStringLiteral("Diagramm speichern…"),
                    QStringLiteral("Das Diagramm als PNG- oder SVG-Bild speichern"), Keep::Save);
    print_ = addKeep("ChartPrint", QStringLiteral("Drucken…"), QStringLiteral("Das Diagramm drucken"),
                     Keep::Print);
    copy_ = addKeep("ChartCopy", QStringLiteral("Kopieren"),
                    QStringLiteral("Das Diagramm als Bild in die Zwischenablage kopieren"), Keep::Copy);
    keep->setMenu(menu);
    chart_->setContextMenuPolicy(Qt::ActionsContextMenu);
    chartRow->addWidget(keep);
    outer->addLayout(chartRow);

    outer->addWidget(chart_, 1);
    outer->addWidget(tools);
}

QDate DiagrammPage::startDate() const
{
    return startDate_->date();
}

void DiagrammPage::setStartDate(const QDate& date)
{
    startDate_->setDate(date);
}

QAction* DiagrammPage::keepAction(Keep keep) const
{
    switch (keep) {
    case Keep::Save: return save_;
    case Keep::Print: return print_;
    case Keep::Copy: return copy_;
    }
    return save_;
}
