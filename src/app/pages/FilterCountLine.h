#pragma once

#include "generator/FilterCount.h"

#include <QLocale>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <utility>

class QLabel;
class TextTable;

// The sentences of the line, with %1, %2, %3 for the numbers; they come from
// text-table lines 63 to 66 of the loaded language, German where its message
// file ends earlier.
struct FilterCountTexts {
    QString rows;       // passing rows, possible rows, share
    QString draws;      // passing draws, stored draws, share
    QString noDraws;
    QString unreadable; // the error text
    QLocale numbers{QLocale::German, QLocale::Germany}; // the interface language's separators

    static FilterCountTexts from(const TextTable& table, const QLocale& numbers);
};

// The line under the sub-tabs of the "Berechnung" tab that tells how strict
// the row filters are: how many of all possible rows and how many of the
// stored draws pass them. Counting runs on a worker thread; a newer change
// cancels a count still running, so the line always ends up showing the
// latest settings.
//
// Its text is computed, never a design caption, so the line is no language
// item: a language switch hands it the sentences of the new language.
class FilterCountLine : public QWidget {
    Q_OBJECT
public:
    explicit FilterCountLine(QWidget* parent = nullptr);
    ~FilterCountLine() override;

    // Counts again when the settings differ from the last ones.
    void setSettings(const RowFilterSettings& settings);
    // The database to read the draws from; the draws are counted again
    // every time, since the file may have changed.
    void setDatabasePath(const QString& path);
    void recountDraws();
    // Shows the last count again in the new sentences.
    void setTexts(const FilterCountTexts& texts);

    QString text() const;

    // The line for finished counts: the draws sentence is left out while no
    // database is known, and replaced by the error when it could not be
    // read. Numbers are written as the interface language writes them.
    static QString describe(const FilterCountTexts& texts, qint64 passingRows,
                            const std::optional<DrawPassCount>& draws,
                            const QString& drawsError = {});

signals:
    // A count finished and its text is shown.
    void updated();

private:
    struct Result {
        std::optional<qint64> rows; // none: cancelled
        std::optional<DrawPassCount> draws; // none: no database yet, or unreadable
        QString drawsError;
    };
    void scheduleCount();
    void startCount();
    void display(quint64 generation, const Result& result);

    QLabel* label_ = nullptr;
    FilterCountTexts texts_;
    std::optional<Result> shown_;
    QThreadPool worker_;
    QTimer pending_; // gathers the changes of one event-loop pass into one count
    RowFilterSettings settings_;
    QString databasePath_;
    std::optional<std::pair<RowFilterSettings, qint64>> knownRows_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    quint64 generation_ = 0;
};
