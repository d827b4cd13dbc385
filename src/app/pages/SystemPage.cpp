#include "app/pages/SystemPage.h"

#include "app/pages/DatePicker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

SystemPage::SystemPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet13"));
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int number = 1; number <= 49; ++number) {
        // The numbers are their own captions in every language: no name.
        auto* button = new QToolButton(this);
        button->setText(QString::number(number));
        button->setCheckable(true);
        button->setMinimumSize(26, 22);
        // As narrow as the slip allows; the styled button would ask for more.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        // Ticked numbers stand out as on a marked slip.
        button->setStyleSheet(QStringLiteral("QToolButton:checked { background: #c62828; color: white; "
                                             "font-weight: bold; border: 1px solid #8e0000; }"));
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, number, button] {
            // The window decides whether the number may be added.
            button->setChecked(!button->isChecked());
            emit numberClicked(number);
        });
        grid->addWidget(button, (number - 1) / 7, (number - 1) % 7);
        numbers_.push_back(button);
    }
    left->addLayout(grid);
    count_ = new QLabel(this);
    left->addWidget(count_);
    left->addWidget(addButton(QStringLiteral("SystemClearButton"), QStringLiteral("Zahlen löschen"),
                              QStringLiteral("Alle Zahlen im Feld abwählen"), Command::Clear));
    left->addWidget(addButton(QStringLiteral("SystemPoolButton"), QStringLiteral("Aus dem Zahlenpool"),
                              QStringLiteral("Die stärksten Zahlen des Zahlenpools der letzten Tippberechnung "
                                             "wählen: so viele wie gewählt sind, sonst bis zu 13"),
                              Command::FromPool));

    // A reduced system for a guarantee the table does not ship.
    auto* guaranteeLine = new QHBoxLayout;
    guaranteeLine->setSpacing(4);
    auto* guaranteeLabel = new QLabel(QStringLiteral("Garantie:"), this);
    guaranteeLabel->setObjectName(QStringLiteral("SystemGuaranteeLabel"));
    // The boxes are no language items: the labels carry the hints.
    guaranteeLabel->setToolTip(QStringLiteral("So viele Richtige garantiert das eigene Teilsystem mindestens …"));
    buildHits_ = new QSpinBox(this);
    buildHits_->setObjectName(QStringLiteral("SystemBuildHits"));
    buildHits_->setRange(2, 6);
    buildHits_->setValue(3);
    auto* ifLabel = new QLabel(QStringLiteral("wenn"), this);
    ifLabel->setObjectName(QStringLiteral("SystemIfLabel"));
    ifLabel->setToolTip(QStringLiteral("… wenn so viele der gezogenen Zahlen unter Ihren sind"));
    buildIfDrawn_ = new QSpinBox(this);
    buildIfDrawn_->setObjectName(QStringLiteral("SystemBuildIfDrawn"));
    buildIfDrawn_->setRange(2, 6);
    buildIfDrawn_->setValue(5);
    // "t if m" needs t <= m; the hits follow when m goes below them.
    connect(buildIfDrawn_, &QSpinBox::valueChanged, this, [this](int ifDrawn) {
        buildHits_->setMaximum(ifDrawn);
    });
    buildHits_->setMaximum(buildIfDrawn_->value());
    guaranteeLine->addWidget(guaranteeLabel);
    guaranteeLine->addWidget(buildHits_);
    guaranteeLine->addWidget(ifLabel);
    guaranteeLine->addWidget(buildIfDrawn_);
    guaranteeLine->addStretch(1);
    left->addLayout(guaranteeLine);
    build_ = addButton(QStringLiteral("SystemBuildButton"), QStringLiteral("Teilsystem bauen"),
                       QStringLiteral("Ein Teilsystem mit dieser Garantie für die gewählten Zahlen suchen "
                                      "und prüfen; ein zweiter Klick hält die Suche an"),
                       Command::Build);
    left->addWidget(build_);
    left->addStretch(1);
    outer->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    auto* chooseLine = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("System:"), this);
    label->setObjectName(QStringLiteral("SystemLabel"));
    label->setToolTip(QStringLiteral("Vollsystem oder Teilsystem für die gewählten Zahlen"));
    systems_ = new QComboBox(this);
    systems_->setObjectName(QStringLiteral("SystemCombo"));
    systems_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    systems_->setMinimumContentsLength(16);
    connect(systems_, &QComboBox::currentIndexChanged, this, &SystemPage::systemChosen);
    chooseLine->addWidget(label);
    chooseLine->addWidget(systems_, 1);
    right->addLayout(chooseLine);

    info_ = new QLabel(this);
    info_->setWordWrap(true);
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest description, so the buttons under it stay where
    // they are while numbers are ticked.
    info_->setMinimumHeight(7 * info_->fontMetrics().lineSpacing());
    right->addWidget(info_);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    buttons->addWidget(addButton(QStringLiteral("SystemBoardButton"), QStringLiteral("Auf den Tippschein"),
                                 QStringLiteral("Die ersten zwölf Reihen auf den Tippschein setzen"),
                                 Command::ToBoard), 0, 0);
    buttons->addWidget(addButton(QStringLiteral("SystemRateButton"), QStringLiteral("Bewerten"),
                                 QStringLiteral("Das System mit der angezeigten Ziehung und dem Lauf "
                                                "des Tippscheins bewerten"),
                                 Command::Rate), 0, 1);
    buttons->addWidget(addButton(QStringLiteral("SystemSaveButton"), QStringLiteral("Speichern…"),
                                 QStringLiteral("Das System als Systemdatei speichern"),
                                 Command::SaveSystem), 1, 0);
    buttons->addWidget(addButton(QStringLiteral("SystemLoadButton"), QStringLiteral("Laden…"),
                                 QStringLiteral("Eine Systemdatei laden: ihre Zahlen und ihr System"),
                                 Command::Load), 1, 1);
    buttons->addWidget(addButton(QStringLiteral("SystemCsvButton"), QStringLiteral("CSV-Export…"),
                                 QStringLiteral("Die Reihen des Systems als CSV-Datei speichern"),
                                 Command::ExportCsv), 2, 0);
    buttons->addWidget(addButton(QStringLiteral("SystemPrintButton"), QStringLiteral("Drucken…"),
                                 QStringLiteral("Das System mit allen Reihen als Text zum Drucken zeigen"),
                                 Command::Print), 2, 1);
    right->addLayout(buttons);

    auto* range = new QHBoxLayout;
    range->setSpacing(4);
    auto* fromLabel = new QLabel(QStringLiteral("Von:"), this);
    fromLabel->setObjectName(QStringLiteral("SystemFromLabel"));
    from_ = DatePicker::create(QStringLiteral("SystemFromDate"), QDate::currentDate().addYears(-1), this);
    // The history reaches back to the first draw.
    from_->setMinimumDate(QDate(1955, 10, 9));
    auto* toLabel = new QLabel(QStringLiteral("bis:"), this);
    toLabel->setObjectName(QStringLiteral("SystemToLabel"));
    to_ = DatePicker::create(QStringLiteral("SystemToDate"), QDate::currentDate(), this);
    range->addWidget(fromLabel);
    range->addWidget(from_);
    range->addWidget(toLabel);
    range->addWidget(to_);
    range->addWidget(addButton(QStringLiteral("SystemBacktestButton"), QStringLiteral("Rückblick"),
                               QStringLiteral("Wie das System in den gespeicherten Ziehungen des "
                                              "Zeitraums abgeschnitten hätte, neben ebenso vielen "
                                              "Zufallsreihen"),
                               Command::Backtest),
                     1);
    right->addLayout(range);

    rating_ = new QPlainTextEdit(this);
    rating_->setObjectName(QStringLiteral("SystemRatingMemo"));
    rating_->setReadOnly(true);
    rating_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    right->addWidget(rating_, 1);
    outer->addLayout(right, 1);
}

QPushButton* SystemPage::addButton(const QString& name, const QString& caption, const QString& hint,
                                   Command command)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    return button;
}

QToolButton* SystemPage::numberButton(int number) const
{
    return number >= 1 && number <= 49 ? numbers_[std::size_t(number - 1)] : nullptr;
}

void SystemPage::setChosen(const std::vector<int>& numbers)
{
    for (QToolButton* button : numbers_)
        button->setChecked(false);
    for (int number : numbers)
        if (QToolButton* button = numberButton(number))
            button->setChecked(true);
}

std::vector<int> SystemPage::chosen() const
{
    std::vector<int> numbers;
    for (int number = 1; number <= 49; ++number)
        if (numbers_[std::size_t(number - 1)]->isChecked())
            numbers.push_back(number);
    return numbers;
}

void SystemPage::setCountText(const QString& text)
{
    count_->setText(text);
}

QString SystemPage::countText() const
{
    return count_->text();
}

void SystemPage::setSystems(const QStringList& items, int current)
{
    const QSignalBlocker quiet(systems_);
    systems_->clear();
    systems_->addItems(items);
    systems_->setCurrentIndex(current >= 0 && current < items.size() ? current : 0);
    systems_->setEnabled(!items.isEmpty());
}

int SystemPage::systemIndex() const
{
    return systems_->currentIndex();
}

void SystemPage::setSystemIndex(int index)
{
    systems_->setCurrentIndex(index);
}

void SystemPage::setInfo(const QString& text)
{
    info_->setText(text);
}

QString SystemPage::info() const
{
    return info_->text();
}

void SystemPage::setRating(const QString& text)
{
    rating_->setPlainText(text);
}

QString SystemPage::rating() const
{
    return rating_->toPlainText();
}
