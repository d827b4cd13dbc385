#include "app/dialogs/TForm3.h"

#include "draws/DateSerial.h"
#include "draws/GameRules.h"
#include "platform/DateField.h"
#include "platform/Dialogs.h"
#include "platform/UpDown.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

#include <algorithm>

namespace {

QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* digitEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(QStringLiteral("1"), parent);
    edit->setObjectName(name);
    edit->setVisible(false);
    edit->setMaxLength(1);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]")), edit));
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2 + 12);
    return edit;
}

QString repeatedNumberText(int number)
{
    return UiText::line(TextLine::NumberTwice).arg(number);
}

QString bonusAmongNumbersText(int number)
{
    return UiText::line(TextLine::BonusAmongNumbers).arg(number);
}

// One digit per field; an empty field is 0, as in a record without the game.
template <std::size_t N>
void readDigits(const std::array<QLineEdit*, N>& edits, std::array<std::uint8_t, N>* digits)
{
    for (std::size_t i = 0; i < N; ++i) {
        const QString text = edits[i]->text().trimmed();
        (*digits)[i] = text.size() == 1 && text.at(0).isDigit() ? std::uint8_t(text.at(0).digitValue()) : 0;
    }
}

template <std::size_t N>
void showDigits(const std::array<std::uint8_t, N>& digits, bool held, const std::array<QLineEdit*, N>& edits)
{
    for (std::size_t i = 0; i < N; ++i)
        edits[i]->setText(held ? QString::number(digits[i]) : QString());
}

// Some fields filled and some empty: a game typed half.
template <std::size_t N>
bool halfFilled(const std::array<QLineEdit*, N>& edits)
{
    const auto empty = std::count_if(edits.begin(), edits.end(),
                                     [](const QLineEdit* e) { return e->text().trimmed().isEmpty(); });
    return empty != 0 && empty != qsizetype(N);
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
    // A small fixed form: nothing to maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);

    DateTimePicker1 = new DateField(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDate(QDate::currentDate());
    grid->addWidget(DateTimePicker1, 0, 0, 1, 3);

    auto* numbers = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        upDowns_[i] = new UpDown(QStringLiteral("UpDown%1").arg(i + 1),
                                 QStringLiteral("Edit%1").arg(i + 1), 1, 49, 49, this);
        numbers->addWidget(upDowns_[i]);
    }
    grid->addLayout(numbers, 1, 0, 1, 9);

    auto* extras = new QHBoxLayout;
    extras->addWidget(namedLabel("Label1", QStringLiteral("Bonus:"), this));
    upDowns_[6] = new UpDown(QStringLiteral("UpDown7"), QStringLiteral("Edit7"), 0, 49, 49, this);
    showLanguageTexts();
    extras->addWidget(upDowns_[6]);
    extras->addSpacing(12);
    superLabel_ = namedLabel("Label2", QStringLiteral("S:"), this);
    extras->addWidget(superLabel_);
    // The super number is typed, not stepped: its spin buttons are hidden.
    upDowns_[7] = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit8"), 0, 9, 9, this);
    upDowns_[7]->setButtonSymbols(QAbstractSpinBox::NoButtons);
    extras->addWidget(upDowns_[7]);
    extras->addStretch(1);
    grid->addLayout(extras, 2, 0, 1, 9);

    auto* games = new QHBoxLayout;
    spiel77Label_ = namedLabel("Label3", QStringLiteral("Spiel 77:"), this);
    spiel77Label_->setVisible(false);
    games->addWidget(spiel77Label_);
    for (int i = 0; i < 7; ++i) {
        spiel77_[i] = digitEdit(QStringLiteral("S77_%1").arg(i + 1), this);
        games->addWidget(spiel77_[i]);
    }
    super6Label_ = namedLabel("Label4", QStringLiteral("Super 6:"), this);
    super6Label_->setVisible(false);
    games->addSpacing(12);
    games->addWidget(super6Label_);
    for (int i = 0; i < 6; ++i) {
        super6_[i] = digitEdit(QStringLiteral("SS_%1").arg(i + 1), this);
        games->addWidget(super6_[i]);
    }
    grid->addLayout(games, 3, 0, 1, 9);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn2"));
    ok->setDefault(true);
    auto* abort = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                  QStringLiteral("Abbrechen"), this);
    abort->setObjectName(QStringLiteral("BitBtn1"));
    buttons->addWidget(ok);
    buttons->addWidget(abort);
    grid->addLayout(buttons, 4, 0, 1, 9);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    // The date decides whether a super number was drawn.
    connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TForm3::showFields);
    showFields();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm3::preset(const Draw& draw)
{
    const QDate date = DateSerial::toDate(draw.datum);
    if (date.isValid())
        DateTimePicker1->setDate(date);
    for (std::size_t i = 0; i < upDowns_.size(); ++i)
        upDowns_[i]->setPosition(draw.zahlen[i]);
    showDigits(draw.spiel77, GameRules::hasSpiel77(draw), spiel77_);
    showDigits(draw.super6, GameRules::hasSuper6(draw), super6_);
    reserve_ = draw.reserve;
    showFields();
}

void TForm3::setGamesPlayed(bool spiel77, bool super6)
{
    spiel77Played_ = spiel77;
    super6Played_ = super6;
    showFields();
}

void TForm3::showFields()
{
    const bool super = GameRules::superDrawnOn(DateSerial::fromDate(DateTimePicker1->date()));
    superLabel_->setVisible(super);
    upDowns_[7]->setVisible(super);
    spiel77Label_->setVisible(spiel77Played_);
    for (QLineEdit* edit : spiel77_)
        edit->setVisible(spiel77Played_);
    super6Label_->setVisible(super6Played_);
    for (QLineEdit* edit : super6_)
        edit->setVisible(super6Played_);
}

void TForm3::showLanguageTexts()
{
    upDowns_[6]->setSpecialValueText(UiText::line(TextLine::NoBonus));
}

void TForm3::accept()
{
    QString refusal;
    std::array<bool, 50> seen{};
    for (std::size_t i = 0; i < 6 && refusal.isEmpty(); ++i) {
        const int number = upDowns_[i]->position();
        if (seen[std::size_t(number)])
            refusal = repeatedNumberText(number);
        seen[std::size_t(number)] = true;
    }
    const int bonus = upDowns_[6]->position();
    if (refusal.isEmpty() && bonus != 0 && seen[std::size_t(bonus)])
        refusal = bonusAmongNumbersText(bonus);
    if (refusal.isEmpty() && halfFilled(spiel77_))
        refusal = UiText::line(TextLine::GameDigitsIncomplete).arg(UiText::line(TextLine::Spiel77));
    if (refusal.isEmpty() && halfFilled(super6_))
        refusal = UiText::line(TextLine::GameDigitsIncomplete).arg(UiText::line(TextLine::Super6));
    if (refusal.isEmpty()) {
        QDialog::accept();
        return;
    }
    if (dialogs_)
        dialogs_->showError(this, refusal);
    else
        QMessageBox::warning(this, windowTitle(), refusal);
}

Draw TForm3::draw() const
{
    Draw d;
    d.datum = DateSerial::fromDate(DateTimePicker1->date());
    for (std::size_t i = 0; i < upDowns_.size(); ++i)
        d.zahlen[i] = static_cast<std::uint8_t>(upDowns_[i]->position());
    if (!GameRules::superDrawnOn(d.datum))
        d.zahlen[7] = 0;
    readDigits(spiel77_, &d.spiel77);
    readDigits(super6_, &d.super6);
    d.reserve = reserve_;
    return d;
}
