#include "app/pages/DatenbankPage.h"

#include "app/pages/DatePicker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QGroupBox* panel(const char* name, const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The page must fit the design window with any Arial-like font: the boxes
// keep their frames tight.
void compact(QLayout* layout)
{
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
}

} // namespace

DatenbankPage::DatenbankPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);

    // The chosen date and its draw.
    auto* dateRow = new QHBoxLayout;
    outer->addLayout(dateRow);
    auto* endLabel = new QLabel(QStringLiteral("Ziehung vom:"), this);
    endLabel->setObjectName(QStringLiteral("Label42"));
    endDate_ = DatePicker::create(QStringLiteral("DateTimePicker1"), QDate::currentDate(), this);
    endLabel->setBuddy(endDate_);
    auto* rate = new QToolButton(this);
    rate->setObjectName(QStringLiteral("SpeedButton5"));
    rate->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    rate->setToolTip(
        QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    connect(rate, &QToolButton::clicked, this,
            [this] { emit commandRequested(Command::RateChosenDraw); });
    drawLine_ = new QLabel(this);
    drawLine_->setObjectName(QStringLiteral("Label29"));
    drawLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long draw line must not widen the window; it gets the room there is.
    drawLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont bold; // only the weight, so the size still follows the window scaling
    bold.setBold(true);
    drawLine_->setFont(bold);
    dateRow->addWidget(endLabel);
    dateRow->addWidget(endDate_);
    dateRow->addWidget(rate);
    dateRow->addSpacing(8);
    dateRow->addWidget(drawLine_, 1);

    // Changing the database.
    QGroupBox* draws = panel("Panel10", QStringLiteral("Ziehungen"), this);
    auto* drawRow = new QHBoxLayout(draws);
    compact(drawRow);
    update_ = addButton(draws, "BitBtn1", QStringLiteral("&Datenbank aktualisieren"),
                        QStringLiteral("Neue Ziehungen von der Numerant-Seite www.vellhorn.de "
                                       "in die Datenbank übernehmen"),
                        Command::UpdateDatabase);
    update_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    stop_ = new QToolButton(draws);
    stop_->setObjectName(QStringLiteral("SpeedButton8"));
    stop_->setText(QStringLiteral("Stopp"));
    stop_->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    stop_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    stop_->setToolTip(QStringLiteral("Stoppt das Einlesen"));
    stop_->hide();
    // Hiding the button is the stop request the running update looks at.
    connect(stop_, &QToolButton::clicked, this, [this] {
        stop_->hide();
        emit commandRequested(Command::StopUpdate);
    });
    auto* enter = addButton(draws, "BitBtn8", QStringLiteral("Eingeben"),
                            QStringLiteral("manuelle eingaben der Ziehungsdaten."),
                            Command::EnterDraw);
    auto* remove = addButton(draws, "BitBtn6", QStringLiteral("Löschen"),
                             QStringLiteral("Löschen der aktuell angezeigten Ziehung"),
                             Command::DeleteDraw);
    drawRow->addWidget(update_);
    drawRow->addWidget(stop_);
    drawRow->addStretch(1);
    drawRow->addWidget(enter);
    drawRow->addWidget(remove);
    outer->addWidget(draws);

    // Draws in and out of the database as CSV files.
    QGroupBox* files = panel("Panel16", QStringLiteral("CSV-Dateien"), this);
    auto* fileRow = new QHBoxLayout(files);
    compact(fileRow);
    fileRow->addWidget(addButton(files, "ImportButton", QStringLiteral("Ziehungen importieren…"),
                                 QStringLiteral("Ziehungen aus einer CSV-Datei in die Datenbank "
                                                "übernehmen; gespeicherte Ziehungen bleiben"),
                                 Command::ImportDraws));
    fileRow->addWidget(addButton(files, "ExportButton", QStringLiteral("Ziehungen exportieren…"),
                                 QStringLiteral("Die gespeicherten Ziehungen als CSV-Datei "
                                                "speichern"),
                                 Command::ExportDraws));
    fileRow->addStretch(1);
    outer->addWidget(files);

    // Charts over the stored draws.
    QGroupBox* stats = panel("Panel11", QStringLiteral("Statistik"), this);
    auto* grid = new QGridLayout(stats);
    compact(grid);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        Command command;
        int row, column;
    } statButtons[] = {
        {"Button5", "Ausstehende", "Seit wievielen Ziehungen jede Zahl nicht gezogen wurde",
         Command::Overdue, 0, 0},
        {"Button8", "Superzahl ausstehende",
         "Seit wievielen Ziehungen jede Superzahl nicht gezogen wurde",
         Command::SuperNumberOverdue, 0, 1},
        {"Button2", "Paare suchen", "Zwei aufeinanderfolgende Zahlen in den Ziehungen zählen",
         Command::PairCount, 1, 0},
        {"Button3", "Dreier suchen", "Drei aufeinanderfolgende Zahlen in den Ziehungen zählen",
         Command::TripleCount, 1, 1},
        {"Button4", "Vierer suchen", "Vier aufeinanderfolgende Zahlen in den Ziehungen zählen",
         Command::QuadCount, 1, 2},
        {"Button9", "Primzahlen pro Tipp", "Diagramm der Primzahlen pro Ziehung",
         Command::PrimesPerTip, 2, 0},
        {"Button10", "Ungerade pro Tipp", "Diagramm der ungeraden Zahlen pro Ziehung",
         Command::OddPerTip, 2, 1},
        {"Button11", "Gerade pro Tipp", "Diagramm der geraden Zahlen pro Ziehung",
         Command::EvenPerTip, 2, 2},
    };
    for (const auto& b : statButtons) {
        grid->addWidget(addButton(stats, b.name, QString::fromUtf8(b.caption),
                                  QString::fromUtf8(b.hint), b.command),
                        b.row, b.column);
    }
    outer->addWidget(stats);

    // Replaying the history from the chosen date.
    QGroupBox* history = panel("Panel12", QStringLiteral("Historische Analyse"), this);
    auto* historyColumn = new QVBoxLayout(history);
    compact(historyColumn);
    const QString historyHint =
        QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum");
    historyColumn->addWidget(addButton(
        history, "BitBtn9",
        QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"),
        historyHint, Command::Backtest));
    onlyAfterThree_ =
        new QCheckBox(QStringLiteral("Neuberechnung  nur wenn ein 3er erzielt wurde"), history);
    onlyAfterThree_->setObjectName(QStringLiteral("CheckBox31"));
    historyColumn->addWidget(onlyAfterThree_);
    historyColumn->addWidget(addButton(
        history, "BitBtn19",
        QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"),
        historyHint, Command::DrawComparison));
    outer->addWidget(history);
    outer->addStretch(1);

    // Kept for the settings and the counting rules, never shown.
    saturdays_ = new QCheckBox(QStringLiteral("Samstag Ziehungen"), this);
    saturdays_->setObjectName(QStringLiteral("CheckBox16"));
    saturdays_->setToolTip(QStringLiteral("Ziehungsdaten der Samstags Ziehungen verwenden"));
    saturdays_->setChecked(true);
    saturdays_->hide();
    wednesdays_ = new QCheckBox(QStringLiteral("Mittwoch Ziehungen"), this);
    wednesdays_->setObjectName(QStringLiteral("CheckBox17"));
    wednesdays_->setToolTip(QStringLiteral("Ziehungsdaten der Mittwochs Ziehungen verwenden"));
    wednesdays_->setChecked(true);
    wednesdays_->hide();
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->hide();
}

QPushButton* DatenbankPage::addButton(QWidget* parent, const char* name, const QString& caption,
                                      const QString& hint, Command command)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    return button;
}

QDate DatenbankPage::endDate() const
{
    return endDate_->date();
}

void DatenbankPage::setEndDate(const QDate& date)
{
    endDate_->setDate(date);
}

QString DatenbankPage::drawLine() const
{
    return drawLine_->text();
}

void DatenbankPage::setDrawLine(const QString& text)
{
    drawLine_->setText(text);
}

void DatenbankPage::setUpdateEnabled(bool enabled)
{
    update_->setEnabled(enabled);
}

bool DatenbankPage::stopButtonShown() const
{
    return !stop_->isHidden();
}

void DatenbankPage::setStopButtonShown(bool shown)
{
    stop_->setVisible(shown);
}

bool DatenbankPage::saturdays() const
{
    return saturdays_->isChecked();
}

bool DatenbankPage::wednesdays() const
{
    return wednesdays_->isChecked();
}

void DatenbankPage::setSaturdays(bool on)
{
    saturdays_->setChecked(on);
}

void DatenbankPage::setWednesdays(bool on)
{
    wednesdays_->setChecked(on);
}

bool DatenbankPage::recalcOnlyAfterThree() const
{
    return onlyAfterThree_->isChecked();
}
