#include "app/pages/LottotippPage.h"

#include "app/pages/DatePicker.h"
#include "app/pages/TipBoard.h"
#include "platform/DateField.h"
#include "platform/UpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The maker's web site, named in the hints of the update buttons.
const QString updateHint =
    QStringLiteral("Neue Ziehungen von der Numerant-Seite www.vellhorn.de laden");

QGroupBox* panel(const QString& name, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

LottotippPage::LottotippPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    outer->addWidget(buildDrawPanel());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    outer->addLayout(middle, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    middle->addLayout(left);
    tipBoard_ = new TipBoard(this);
    left->addWidget(tipBoard_);
    ticketSummary_ = new QLabel(this);
    ticketSummary_->setObjectName(QStringLiteral("TicketSummary"));
    ticketSummary_->setWordWrap(true);
    ticketSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ticketSummary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Long lines wrap at the board's width instead of widening the window.
    ticketSummary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    left->addWidget(ticketSummary_, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    middle->addLayout(side, 1);
    side->addWidget(buildGeneratePanel());

    // The file buttons share their line with the printout, so that the
    // ticket panel has room below.
    auto* files = new QHBoxLayout;
    files->setSpacing(2);
    side->addLayout(files);
    QStyle* st = style();
    addToolButton(this, QStringLiteral("SpeedButton11"), QString(),
                  QStringLiteral("Löschen aller Tipps"), Command::ClearTips)
        ->setIcon(st->standardIcon(QStyle::SP_TrashIcon));
    addToolButton(this, QStringLiteral("SpeedButton15"), QString(),
                  QStringLiteral("Speichern des Tipps"), Command::SaveTips)
        ->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    addToolButton(this, QStringLiteral("SpeedButton16"), QString(),
                  QStringLiteral("Tipp laden aus Datei"), Command::LoadTips)
        ->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    for (const char* name : {"SpeedButton11", "SpeedButton15", "SpeedButton16"})
        files->addWidget(findChild<QToolButton*>(QLatin1String(name)));
    files->addWidget(addButton(this, QStringLiteral("BitBtn7"), QStringLiteral("Tipp"),
                               QStringLiteral("Tipps als Text zum Ausdrucken anzeigen"),
                               Command::PrintTips),
                     1);

    auto* search = addToolButton(this, QStringLiteral("SpeedButton4"),
                                 QStringLiteral("Tipps in DB suchen"),
                                 QStringLiteral("Hier können Sie suchen ob dieser Tipp schon "
                                                "einmal gezogen wurde"),
                                 Command::SearchTips);
    search->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    side->addWidget(search);
    side->addWidget(addButton(this, QStringLiteral("Button6"), QStringLiteral("Tippverteilung"),
                              QStringLiteral("Verteilung der Zahlen Ihrer Tipps im Diagramm "
                                             "zeigen"),
                              Command::TipDistribution));
    side->addWidget(buildTicketPanel());
    side->addStretch(1);
    side->addWidget(buildBanner(QStringLiteral("Panel8"), QStringLiteral("Label43"),
                                QStringLiteral("Vellhorns Numerant"), 17));
    side->addWidget(buildBanner(QStringLiteral("Panel9"), QStringLiteral("Label44"),
                                QStringLiteral("Neuigkeiten und Hilfe auf www.vellhorn.de"),
                                11));

    // Never shown: the text table's lines and a scratch buffer for formatted text.
    memo2_ = new QPlainTextEdit(this);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->hide();
    richEdit1_ = new QTextEdit(this);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1_->hide();
}

QWidget* LottotippPage::buildDrawPanel()
{
    QGroupBox* box = panel(QStringLiteral("Panel4"), this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 2, 4, 2);
    QStyle* st = style();
    addToolButton(box, QStringLiteral("SpeedButton6"), QString(),
                  QStringLiteral("vorhergehende Ziehung anzeigen"), Command::PreviousDraw)
        ->setIcon(st->standardIcon(QStyle::SP_ArrowLeft));
    drawLine_ = new QLabel(box);
    drawLine_->setObjectName(QStringLiteral("Label35"));
    drawLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long draw line must not widen the window; it gets the room there is.
    drawLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont bold; // only the weight, so the size still follows the window scaling
    bold.setBold(true);
    drawLine_->setFont(bold);
    addToolButton(box, QStringLiteral("SpeedButton7"), QString(),
                  QStringLiteral("nächste Ziehung anzeigen"), Command::NextDraw)
        ->setIcon(st->standardIcon(QStyle::SP_ArrowRight));
    crossSum_ = new QLabel(QStringLiteral("QS: "), box);
    crossSum_->setObjectName(QStringLiteral("Label13"));
    updateButton_ = addToolButton(box, QStringLiteral("SpeedButton10"), QString(), updateHint,
                                  Command::UpdateDatabase);
    updateButton_->setIcon(st->standardIcon(QStyle::SP_BrowserReload));

    row->addWidget(box->findChild<QToolButton*>(QStringLiteral("SpeedButton6")));
    row->addWidget(drawLine_, 1);
    row->addWidget(box->findChild<QToolButton*>(QStringLiteral("SpeedButton7")));
    row->addSpacing(6);
    row->addWidget(crossSum_);
    row->addSpacing(6);
    row->addWidget(updateButton_);
    return box;
}

QWidget* LottotippPage::buildGeneratePanel()
{
    QGroupBox* box = panel(QStringLiteral("Panel3"), this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    auto* line = new QHBoxLayout;
    generate_ = addButton(box, QStringLiteral("BitBtn4"), QStringLiteral("Tipps &berechnen"),
                          QStringLiteral("Neue Tipps mit den eingestellten Parametern "
                                         "berechnen"),
                          Command::GenerateTips);
    rowCount_ = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit80"), 1, 12, 12, box);
    const QString rowsHint = QStringLiteral("Anzahl der Tipps, die berechnet werden");
    rowCount_->setToolTip(rowsHint);
    rowCount_->edit()->setToolTip(rowsHint);
    line->addWidget(generate_, 1);
    line->addWidget(rowCount_);
    column->addLayout(line);

    column->addWidget(addToolButton(box, QStringLiteral("SpeedButton13"),
                                    QStringLiteral("Glückszahl setzen"),
                                    QStringLiteral("Startwert des Zufallsgenerators setzen"),
                                    Command::LuckyNumber));
    box->findChild<QToolButton*>(QStringLiteral("SpeedButton13"))
        ->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

QWidget* LottotippPage::buildTicketPanel()
{
    ticketPanel_ = panel(QStringLiteral("PanelTicket"), this);
    auto* column = new QVBoxLayout(ticketPanel_);
    column->setContentsMargins(4, 2, 4, 2);
    column->setSpacing(2);
    const auto line = [column] {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        column->addLayout(row);
        return row;
    };
    const auto checkBox = [this](const char* name, const QString& caption, const QString& hint) {
        auto* box = new QCheckBox(caption, ticketPanel_);
        box->setObjectName(QLatin1String(name));
        box->setToolTip(hint);
        return box;
    };

    const QString numberHint =
        QStringLiteral("Die siebenstellige Losnummer des Spielscheins; ihre letzte Ziffer ist die Superzahl");
    losnummer_ = new QLineEdit(ticketPanel_);
    losnummer_->setObjectName(QStringLiteral("LosnummerEdit"));
    losnummer_->setToolTip(numberHint);
    connect(losnummer_, &QLineEdit::textEdited, this, [this] { emit ticketEdited(); });
    connect(losnummer_, &QLineEdit::editingFinished, this, [this] { emit losnummerLeft(); });
    QHBoxLayout* numberLine = line();
    auto* numberLabel = new QLabel(QStringLiteral("Losnummer:"), ticketPanel_);
    numberLabel->setObjectName(QStringLiteral("LosnummerLabel"));
    numberLabel->setToolTip(numberHint);
    numberLine->addWidget(numberLabel);
    numberLine->addWidget(losnummer_, 1);

    spiel77_ = checkBox("Spiel77Box", QStringLiteral("Spiel 77"),
                        QStringLiteral("Der Schein spielt Spiel 77 mit allen sieben Ziffern der Losnummer"));
    super6_ = checkBox("Super6Box", QStringLiteral("Super 6"),
                       QStringLiteral("Der Schein spielt Super 6 mit den letzten sechs Ziffern der Losnummer"));
    QHBoxLayout* games = line();
    games->addWidget(spiel77_);
    games->addWidget(super6_);
    games->addStretch(1);

    wednesday_ = checkBox("WednesdayBox", QStringLiteral("Mi"),
                          QStringLiteral("Der Schein nimmt an der Mittwochsziehung teil"));
    saturday_ = checkBox("SaturdayBox", QStringLiteral("Sa"),
                         QStringLiteral("Der Schein nimmt an der Samstagsziehung teil"));
    saturday_->setChecked(true);
    // A ticket is played on one day at least: the last day left stays on.
    for (QCheckBox* day : {wednesday_, saturday_})
        connect(day, &QCheckBox::clicked, day, [this, day](bool on) {
            if (!on && !wednesday_->isChecked() && !saturday_->isChecked())
                day->setChecked(true);
        });
    for (QCheckBox* box : {spiel77_, super6_, wednesday_, saturday_})
        connect(box, &QCheckBox::clicked, this, [this] { emit ticketEdited(); });

    const QString fromHint = QStringLiteral("Die erste Ziehung des Scheins");
    firstDate_ = new DateField(ticketPanel_);
    firstDate_->setObjectName(QStringLiteral("TicketFirstDate"));
    firstDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    firstDate_->setCalendarPopup(true);
    firstDate_->setMinimumDate(DatePicker::earliestDate());
    firstDate_->setDate(QDate::currentDate());
    firstDate_->setToolTip(fromHint);
    connect(firstDate_, &QDateEdit::dateChanged, this, [this] { emit ticketEdited(); });
    weeks_ = new QComboBox(ticketPanel_);
    weeks_->setObjectName(QStringLiteral("TicketWeeks"));
    setWeeksTexts({});
    connect(weeks_, &QComboBox::activated, this, [this] { emit ticketEdited(); });
    QHBoxLayout* days = line();
    days->addWidget(wednesday_);
    days->addWidget(saturday_);
    days->addWidget(weeks_, 1);

    QHBoxLayout* run = line();
    run->addWidget(firstDate_);
    run->addStretch(1);
    run->addWidget(addToolButton(ticketPanel_, QStringLiteral("TicketRunButton"), QStringLiteral("Auswerten"),
                                 QStringLiteral("Jede gespeicherte Ziehung der Laufzeit des Scheins auswerten"),
                                 Command::EvaluateTicket));
    return ticketPanel_;
}

QWidget* LottotippPage::buildBanner(const QString& panelName, const QString& labelName,
                                    const QString& text, int pixelSize)
{
    QGroupBox* box = panel(panelName, this);
    box->setCursor(Qt::PointingHandCursor);
    box->installEventFilter(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(text, box);
    label->setObjectName(labelName);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setToolTip(QStringLiteral("Zur Numerant-Seite im Internet"));
    label->installEventFilter(this);
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(pixelSize > 13);
    label->setFont(font);
    // The window scales fonts set here from this design size.
    label->setProperty("designPixelSize", pixelSize);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 160));
    label->setPalette(palette);
    layout->addWidget(label);
    return box;
}

QToolButton* LottotippPage::addToolButton(QWidget* parent, const QString& name,
                                          const QString& text, const QString& hint,
                                          Command command)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    connect(button, &QToolButton::clicked, this, [this, command] { emit commandRequested(command); });
    return button;
}

QPushButton* LottotippPage::addButton(QWidget* parent, const QString& name,
                                      const QString& caption, const QString& hint,
                                      Command command)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    return button;
}

LottotippPage::TicketFields LottotippPage::ticketFields() const
{
    TicketFields fields;
    fields.losnummer = losnummer_->text();
    fields.spiel77 = spiel77_->isChecked();
    fields.super6 = super6_->isChecked();
    fields.wednesday = wednesday_->isChecked();
    fields.saturday = saturday_->isChecked();
    fields.firstDate = firstDate_->date();
    const int index = weeks_->currentIndex();
    fields.weeks = index >= 0 && index < 5 ? index + 1 : 0;
    return fields;
}

void LottotippPage::setTicketFields(const TicketFields& fields)
{
    const QSignalBlocker blockers[] = {QSignalBlocker(losnummer_), QSignalBlocker(spiel77_),
                                       QSignalBlocker(super6_),    QSignalBlocker(wednesday_),
                                       QSignalBlocker(saturday_),  QSignalBlocker(firstDate_),
                                       QSignalBlocker(weeks_)};
    if (losnummer_->text() != fields.losnummer)
        losnummer_->setText(fields.losnummer);
    spiel77_->setChecked(fields.spiel77);
    super6_->setChecked(fields.super6);
    wednesday_->setChecked(fields.wednesday);
    saturday_->setChecked(fields.saturday || !fields.wednesday);
    if (fields.firstDate.isValid())
        firstDate_->setDate(fields.firstDate);
    weeks_->setCurrentIndex(fields.weeks >= 1 && fields.weeks <= 5 ? fields.weeks - 1 : 5);
}

void LottotippPage::setWeeksTexts(const QStringList& texts)
{
    QStringList items;
    for (int i = 0; i < 6; ++i)
        items << texts.value(i, i < 5 ? QString::number(i + 1) : QStringLiteral("∞"));
    bool same = weeks_->count() == int(items.size());
    for (int i = 0; same && i < weeks_->count(); ++i)
        same = weeks_->itemText(i) == items[i];
    if (same)
        return;
    const QSignalBlocker blocker(weeks_);
    const int index = weeks_->currentIndex();
    weeks_->clear();
    weeks_->addItems(items);
    weeks_->setCurrentIndex(index >= 0 ? index : 0);
}

QWidget* LottotippPage::ticketPanel() const
{
    return ticketPanel_;
}

QString LottotippPage::ticketSummary() const
{
    return ticketSummary_->text();
}

void LottotippPage::setTicketSummary(const QString& text)
{
    ticketSummary_->setText(text);
}

QString LottotippPage::drawLine() const
{
    return drawLine_->text();
}

void LottotippPage::setDrawLine(const QString& text)
{
    drawLine_->setText(text);
}

QString LottotippPage::crossSum() const
{
    return crossSum_->text();
}

void LottotippPage::setCrossSum(const QString& text)
{
    crossSum_->setText(text);
}

void LottotippPage::setUpdateEnabled(bool enabled)
{
    updateButton_->setEnabled(enabled);
}

int LottotippPage::rowCount() const
{
    return rowCount_->position();
}

void LottotippPage::setRowCount(int rows)
{
    rowCount_->setPosition(rows);
}

QString LottotippPage::generateCaption() const
{
    return generate_->text();
}

void LottotippPage::setGenerateCaption(const QString& caption)
{
    generate_->setText(caption);
}

bool LottotippPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QString name = watched->objectName();
        if (name == QLatin1String("Label43") || name == QLatin1String("Label44")
            || name == QLatin1String("Panel8") || name == QLatin1String("Panel9")) {
            emit commandRequested(Command::OpenProductPage);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
