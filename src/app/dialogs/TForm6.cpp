#include "app/dialogs/TForm6.h"

#include "generator/Random.h"
#include "generator/WeightList.h"
#include "platform/Dialogs.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int Numbers = 49;

bool isNumber(int value) { return value >= 1 && value <= Numbers; }

} // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    for (int n = 1; n <= Numbers; ++n) {
        auto* box = new QCheckBox(QString::number(n), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        box->setChecked(true);
        box->setAutoFillBackground(true);
        box->setBackgroundRole(QPalette::Window);
        box->setMouseTracking(true);
        box->installEventFilter(this);
        boxes_[static_cast<std::size_t>(n)] = box;
        paintBox(n, plainColor());
        grid->addWidget(box, (n - 1) / 7, (n - 1) % 7);
        connect(box, &QCheckBox::toggled, this, [this, n] { CheckBox1Click(n); });
    }
    layout->addLayout(grid);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload),
                              QStringLiteral("&Rechnen"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn4 = new QPushButton(QStringLiteral("&Zufall"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setVisible(false);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Speichern der Liste"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setToolTip(QStringLiteral("Laden der Liste"));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn2);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(StatusBar1);
    // Wide enough for the longest status text a number can produce.
    const QString widest = UiText::line(TextLine::WeightStatus).arg(QStringLiteral("49"), QStringLiteral("999"));
    StatusBar1->setMinimumWidth(StatusBar1->fontMetrics().horizontalAdvance(widest) + 24);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(Retry); });
    connect(BitBtn4, &QPushButton::clicked, this, &TForm6::BitBtn4Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
}

TForm6::~TForm6() = default;

void TForm6::setDialogs(Dialogs* dialogs)
{
    dialogs_ = dialogs;
}

Dialogs& TForm6::dialogs()
{
    if (dialogs_)
        return *dialogs_;
    if (!ownDialogs_)
        ownDialogs_ = std::make_unique<QtDialogs>();
    return *ownDialogs_;
}

// ---------------------------------------------------------------- boxes

QCheckBox* TForm6::box(int number) const
{
    return isNumber(number) ? boxes_[static_cast<std::size_t>(number)] : nullptr;
}

bool TForm6::isChecked(int number) const
{
    return isNumber(number) && box(number)->isChecked();
}

void TForm6::setChecked(int number, bool checked)
{
    if (isNumber(number))
        box(number)->setChecked(checked);
}

QString TForm6::weight(int number) const
{
    return isNumber(number) ? box(number)->toolTip() : QString();
}

void TForm6::setWeight(int number, const QString& weight)
{
    if (isNumber(number))
        box(number)->setToolTip(weight);
}

std::optional<int> TForm6::weightValue(int number) const
{
    bool ok = false;
    const int value = weight(number).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QColor TForm6::boxColor(int number) const
{
    return isNumber(number) ? box(number)->palette().color(QPalette::Window) : QColor();
}

void TForm6::paintBox(int number, const QColor& color)
{
    if (!isNumber(number))
        return;
    QPalette palette = box(number)->palette();
    palette.setColor(QPalette::Window, color);
    box(number)->setPalette(palette);
}

QColor TForm6::chosenColor()
{
    return QColor(255, 255, 0);
}

QColor TForm6::plainColor()
{
    return QToolTip::palette().color(QPalette::ToolTipBase);
}

QString TForm6::statusText() const
{
    return StatusBar1->currentMessage();
}

void TForm6::mark(int number)
{
    setChecked(number, true);
    if (!isChecked(number))
        setChecked(number, true);
}

// ---------------------------------------------------------------- callers' modes

void TForm6::presetPool(std::span<const int> pool)
{
    std::array<int, 50> counts{};
    for (int entry : pool)
        if (isNumber(entry))
            ++counts[static_cast<std::size_t>(entry)];
    // Checked states first, weights after, so the weights shown are the counts.
    for (int n = 1; n <= Numbers; ++n) {
        const int count = counts[static_cast<std::size_t>(n)];
        if (count > 0)
            mark(n);
        else
            setChecked(n, false);
        setWeight(n, QString::number(count));
    }
}

void TForm6::beginRowMode(const QList<int>& numbers)
{
    rowMode_ = true;
    StatusBar1->clearMessage();
    BitBtn3->setVisible(false);
    BitBtn4->setVisible(true);
    MaxTipp = 6;
    for (int n = 1; n <= Numbers; ++n) {
        setChecked(n, false);
        paintBox(n, plainColor());
    }
    for (int number : numbers) {
        if (!isNumber(number))
            break;
        mark(number);
        paintBox(number, chosenColor());
    }
}

void TForm6::endRowMode(const QString& caption)
{
    rowMode_ = false;
    BitBtn3->setVisible(true);
    BitBtn4->setVisible(false);
    for (int n = 1; n <= Numbers; ++n)
        paintBox(n, plainColor());
    setWindowTitle(caption);
}

QList<int> TForm6::checkedNumbers() const
{
    QList<int> numbers;
    for (int n = 1; n <= Numbers; ++n)
        if (isChecked(n))
            numbers << n;
    return numbers;
}

// ---------------------------------------------------------------- weight rule

void TForm6::CheckBox1Click(int number)
{
    QCheckBox* b = box(number);
    if (!b)
        return;
    bool ok = false;
    qint64 weight = b->toolTip().toInt(&ok);
    if (!ok)
        weight = 0;
    else if (b->isChecked())
        weight += Minus ? -1 : 1;
    weight = std::max<qint64>(weight, 0);
    b->setToolTip(QString::number(weight));
    if (weight == 0 && b->isChecked())
        b->setChecked(false); // runs the rule once more for the unchecked box
    CheckBox1MouseMove(number);
}

void TForm6::CheckBox17MouseDown(int number, Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    Minus = true;
    CheckBox1Click(number);
    Minus = false;
}

void TForm6::CheckBox1MouseMove(int number)
{
    // Picking a row has no weights to speak of.
    if (rowMode_) {
        StatusBar1->clearMessage();
        return;
    }
    if (QCheckBox* b = box(number))
        StatusBar1->showMessage(UiText::line(TextLine::WeightStatus).arg(b->text(), b->toolTip()));
}

bool TForm6::eventFilter(QObject* watched, QEvent* event)
{
    const auto* b = qobject_cast<QCheckBox*>(watched);
    const int number = b ? int(std::find(boxes_.begin(), boxes_.end(), b) - boxes_.begin()) : 0;
    if (isNumber(number)) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            CheckBox1MouseMove(number);
            break;
        case QEvent::MouseButtonRelease:
            CheckBox17MouseDown(number, static_cast<QMouseEvent*>(event)->button());
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- weight lists

QString TForm6::listFileName() const
{
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".vlw");
}

void TForm6::SpeedButton1Click()
{
    const FileDialogSetup setup{directory_, listFileName(),
                                UiText::line(TextLine::WeightListFiles) + QStringLiteral("|*.vlw"),
                                QStringLiteral("vlw")};
    const QString path = dialogs().saveFileName(this, setup);
    if (path.isEmpty())
        return;
    QStringList lines;
    for (int n = 1; n <= Numbers; ++n) {
        if (!isChecked(n))
            lines << QString();
        else
            lines << (weight(n).isEmpty() ? QStringLiteral("1") : weight(n));
    }
    const QString error = WeightList::save(path, lines);
    if (!error.isEmpty()) {
        dialogs().showError(this, UiText::line(TextLine::WeightListNotSaved).arg(path)
                                        + QLatin1Char('\n') + error);
        return;
    }
    // A chosen number always carries a weight once it has been saved.
    for (int n = 1; n <= Numbers; ++n)
        if (isChecked(n) && weight(n).isEmpty())
            setWeight(n, QStringLiteral("1"));
}

void TForm6::SpeedButton2Click()
{
    const FileDialogSetup setup{directory_, listFileName(),
                                UiText::line(TextLine::WeightListFiles) + QStringLiteral("|*.vlw"),
                                QStringLiteral("vlw")};
    const QString path = dialogs().openFileName(this, setup);
    if (path.isEmpty())
        return;
    QStringList lines;
    const QString error = WeightList::load(path, lines);
    if (!error.isEmpty()) {
        dialogs().showError(this, UiText::line(TextLine::WeightListNotLoaded).arg(path)
                                        + QLatin1Char('\n') + error);
        return;
    }
    for (int n = 1; n <= Numbers; ++n) {
        const QString& line = lines[n - 1];
        if (!line.isEmpty()) {
            mark(n);
            setWeight(n, line);
        } else {
            setChecked(n, false);
            setWeight(n, QStringLiteral("1"));
        }
    }
}

// ---------------------------------------------------------------- random picker

void TForm6::BitBtn4Click()
{
    if (!Timer1->isActive()) {
        // The caption is the language's; the count replaces it only while running.
        idleCaption_ = BitBtn4->text();
        Timer1->start();
        for (int n = 1; n <= Numbers; ++n) {
            setChecked(n, false);
            paintBox(n, plainColor());
        }
        Tippreihe.fill(0);
        Losgeht = 1;
    } else if (Losgeht < MaxTipp) {
        ++Losgeht;
    } else {
        Timer1->stop();
        BitBtn4->setText(idleCaption_);
        Losgeht = 1;
    }
}

void TForm6::Timer1Timer()
{
    // More than 26 numbers would not fit the row array, and a larger count
    // could never find enough free boxes.
    const int last = std::clamp(MaxTipp, 0, int(Tippreihe.size()) - 1);
    BitBtn4->setText(UiText::line(TextLine::RandomStop).arg(Losgeht));
    for (int n = 1; n <= Numbers; ++n) {
        setChecked(n, false);
        paintBox(n, plainColor());
    }
    for (int i = 1; i < Losgeht && i <= last; ++i) {
        int& entry = Tippreihe[static_cast<std::size_t>(i)];
        if (isNumber(entry) && !isChecked(entry)) {
            mark(entry);
            paintBox(entry, chosenColor());
        } else {
            entry = 0;
        }
    }
    for (int i = 1; i <= last; ++i) {
        int& entry = Tippreihe[static_cast<std::size_t>(i)];
        // An index fixed before any number was shown there gets one now, so
        // the finished row is always complete.
        if (i < Losgeht && entry != 0)
            continue;
        do
            entry = int(Random::global().below(Numbers)) + 1;
        while (isChecked(entry));
        mark(entry);
        paintBox(entry, chosenColor());
    }
}

void TForm6::FormClose()
{
    if (Timer1->isActive())
        BitBtn4->setText(idleCaption_);
    Timer1->stop();
    Losgeht = 1;
}

void TForm6::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm6::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}
