#include "app/dialogs/TForm3.h"

#include "draws/DateSerial.h"
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
#include <QStyle>

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

// The game digits are kept as decimal text; the record keeps one byte each.
std::uint8_t lowByte(const QLineEdit* edit)
{
    return static_cast<std::uint8_t>(edit->text().trimmed().toInt() & 0xFF);
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
    extras->addWidget(namedLabel("Label2", QStringLiteral("S:"), this));
    // The super number is typed, not stepped: its spin buttons are hidden.
    upDowns_[7] = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit8"), 0, 9, 9, this);
    upDowns_[7]->setButtonSymbols(QAbstractSpinBox::NoButtons);
    extras->addWidget(upDowns_[7]);
    extras->addStretch(1);
    grid->addLayout(extras, 2, 0, 1, 9);

    auto* games = new QHBoxLayout;
    QLabel* label3 = namedLabel("Label3", QStringLiteral("Spiel 77:"), this);
    label3->setVisible(false);
    games->addWidget(label3);
    for (int i = 0; i < 7; ++i) {
        spiel77_[i] = digitEdit(QStringLiteral("S77_%1").arg(i + 1), this);
        games->addWidget(spiel77_[i]);
    }
    QLabel* label4 = namedLabel("Label4", QStringLiteral("Super 6:"), this);
    label4->setVisible(false);
    games->addWidget(label4);
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

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm3::preset(const Draw& draw)
{
    const QDate date = DateSerial::toDate(draw.datum);
    if (date.isValid())
        DateTimePicker1->setDate(date);
    for (std::size_t i = 0; i < upDowns_.size(); ++i)
        upDowns_[i]->setPosition(draw.zahlen[i]);
    for (std::size_t i = 0; i < spiel77_.size(); ++i)
        spiel77_[i]->setText(QString::number(draw.spiel77[i]));
    for (std::size_t i = 0; i < super6_.size(); ++i)
        super6_[i]->setText(QString::number(draw.super6[i]));
    reserve_ = draw.reserve;
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
    for (std::size_t i = 0; i < spiel77_.size(); ++i)
        d.spiel77[i] = lowByte(spiel77_[i]);
    for (std::size_t i = 0; i < super6_.size(); ++i)
        d.super6[i] = lowByte(super6_[i]);
    d.reserve = reserve_;
    return d;
}
