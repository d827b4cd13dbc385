#include "app/pages/FilterCountLine.h"

#include "draws/DrawFile.h"
#include "text/TextTable.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace {

QString percentOf(const QLocale& locale, qint64 part, qint64 whole)
{
    return locale.toString(100.0 * static_cast<double>(part) / static_cast<double>(whole), 'f', 1);
}

} // namespace

FilterCountTexts FilterCountTexts::from(const TextTable& table, const QLocale& numbers)
{
    // A message file from before these lines would leave the numbers
    // without words: those sentences stay German.
    const TextTable german;
    const auto sentence = [&](int index) {
        const QString text = table.line(index);
        return text.isEmpty() ? german.line(index) : text;
    };
    return {sentence(63), sentence(64), sentence(65), sentence(66), numbers};
}

FilterCountLine::FilterCountLine(QWidget* parent)
    : QWidget(parent), texts_(FilterCountTexts::from(TextTable(), QLocale(QLocale::German, QLocale::Germany)))
{
    setObjectName(QStringLiteral("FilterCountLine"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    label_ = new QLabel(this); // unnamed on purpose: no language item
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label_);

    worker_.setMaxThreadCount(1);
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &FilterCountLine::startCount);
    scheduleCount();
}

FilterCountLine::~FilterCountLine()
{
    if (cancel_)
        cancel_->store(true);
    worker_.clear();
    worker_.waitForDone();
}

void FilterCountLine::setSettings(const RowFilterSettings& settings)
{
    if (settings == settings_)
        return;
    settings_ = settings;
    scheduleCount();
}

void FilterCountLine::setDatabasePath(const QString& path)
{
    databasePath_ = path;
    scheduleCount();
}

void FilterCountLine::recountDraws()
{
    scheduleCount();
}

QString FilterCountLine::text() const
{
    return label_->text();
}

void FilterCountLine::setTexts(const FilterCountTexts& texts)
{
    texts_ = texts;
    if (shown_)
        label_->setText(describe(texts_, *shown_->rows, shown_->draws, shown_->drawsError));
}

QString FilterCountLine::describe(const FilterCountTexts& texts, qint64 passingRows,
                                  const std::optional<DrawPassCount>& draws,
                                  const QString& drawsError)
{
    const QLocale& numbers = texts.numbers;
    QString line = texts.rows.arg(numbers.toString(passingRows), numbers.toString(kPossibleRows),
                                  percentOf(numbers, passingRows, kPossibleRows));
    if (!drawsError.isEmpty())
        return line + QLatin1Char(' ') + texts.unreadable.arg(drawsError);
    if (!draws)
        return line; // no database named yet
    if (draws->draws == 0)
        return line + QLatin1Char(' ') + texts.noDraws;
    line += QLatin1Char(' ')
        + texts.draws.arg(numbers.toString(draws->passed), numbers.toString(draws->draws),
                          percentOf(numbers, draws->passed, draws->draws));
    return line;
}

void FilterCountLine::scheduleCount()
{
    pending_.start();
}

void FilterCountLine::startCount()
{
    if (cancel_)
        cancel_->store(true);
    worker_.clear();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const quint64 generation = ++generation_;

    std::optional<qint64> knownRows;
    if (knownRows_ && knownRows_->first == settings_)
        knownRows = knownRows_->second;
    worker_.start([this, generation, knownRows, settings = settings_, path = databasePath_,
                   cancel = cancel_] {
        Result result;
        result.rows = knownRows ? knownRows : countPassingRows(settings, cancel.get());
        if (!result.rows)
            return;
        if (!path.isEmpty()) {
            const DrawFile database(path);
            if (!database.exists())
                result.draws = DrawPassCount{}; // the window creates an empty one
            else if (const auto draws = database.readAll(&result.drawsError))
                result.draws = countPassingDraws(*draws, settings);
        }
        if (cancel->load())
            return;
        // The window waits for this thread before it goes, so it is still
        // there to receive the result.
        QMetaObject::invokeMethod(
            this, [this, generation, settings, result] {
                knownRows_ = std::pair{settings, *result.rows};
                display(generation, result);
            },
            Qt::QueuedConnection);
    });
}

void FilterCountLine::display(quint64 generation, const Result& result)
{
    if (generation != generation_)
        return; // a newer count is on its way
    shown_ = result;
    label_->setText(describe(texts_, *result.rows, result.draws, result.drawsError));
    emit updated();
}
