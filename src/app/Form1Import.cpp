#include "app/TForm1.h"

#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "draws/DateSerial.h"
#include "text/AtomicFile.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "draws/DrawImport.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDateEdit>
#include <QFile>
#include <QFileInfo>

namespace {


// Set once the user has answered the offer of the delivered draws; its value
// is the answer.
const QString kHistoryOfferedValue = QStringLiteral("HistoryOffered");
const QString kShippedHistory = QStringLiteral("lotto-6aus49.csv");

constexpr int kProblemsShown = 10;
constexpr int kDatesShown = 20;
// The whole delivered history is about 200 KB; a larger file is no list of
// this lottery's draws, and reading it would only cost memory.
constexpr qint64 kMaxCsvBytes = 16 * 1024 * 1024;

// The import's error texts.

QString notAFileText(const QString& path)
{
    return UiText::line(TextLine::ImportNotAFile).arg(path);
}

QString tooLargeText(const QString& path)
{
    return UiText::line(TextLine::ImportTooLarge)
        .arg(path, QString::number(kMaxCsvBytes / (1024 * 1024)));
}

QString badFileText(const QString& path, const std::vector<CsvProblem>& problems, const QString& more)
{
    QString text = UiText::line(TextLine::ImportBadLines).arg(QFileInfo(path).fileName());
    for (std::size_t i = 0; i < problems.size() && i < std::size_t(kProblemsShown); ++i)
        text += u'\n' + UiText::line(TextLine::ImportBadLine).arg(QString::number(problems[i].line), problems[i].what);
    if (problems.size() > std::size_t(kProblemsShown))
        text += u'\n' + more.arg(problems.size() - std::size_t(kProblemsShown));
    return text;
}

QString importedText(const TForm1& form, const MergeResult& merge)
{
    QString text = form.text(TextLine::Imported)
                       .arg(merge.added)
                       .arg(merge.kept)
                       .arg(merge.dropped);
    if (merge.completed > 0)
        text += u'\n' + form.text(TextLine::ImportCompleted).arg(merge.completed);
    if (!merge.differing.isEmpty()) {
        QStringList dates;
        for (qsizetype i = 0; i < merge.differing.size() && i < kDatesShown; ++i)
            dates << merge.differing[i].toString(QStringLiteral("dd.MM.yyyy"));
        if (merge.differing.size() > kDatesShown)
            dates << form.text(TextLine::AndMore).arg(merge.differing.size() - kDatesShown);
        text += u'\n' + form.text(TextLine::ImportDiffering) + dates.join(QStringLiteral(", "));
    }
    return text;
}

QString exportScopeQuestion(const TForm1& form, const QDate& from, const QDate& to)
{
    return form.text(TextLine::ExportScope)
               .arg(from.toString(QStringLiteral("dd.MM.yyyy")), to.toString(QStringLiteral("dd.MM.yyyy")))
        + u'\n' + form.text(TextLine::ExportScopeAll);
}

// The file dialogs' type line: "name|*.csv".
QString csvFilter(const TForm1& form)
{
    return form.text(TextLine::CsvFiles) + QStringLiteral("|*.csv");
}

QString writeFailedText(const QString& path, const QString& error)
{
    return UiText::line(TextLine::FileNotWritten).arg(path, error);
}

QString readFailedText(const QString& path, const QString& error)
{
    return UiText::line(TextLine::FileNotRead).arg(path, error);
}

// Reads the file and merges it into the database in one rewrite; the error
// text, empty on success. Any bad line leaves the database untouched.
QString importFile(const QString& path, const DrawFile& database, const QString& more, MergeResult* merge)
{
    // Opening a pipe would block and /dev/zero never ends: look before opening.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return notAFileText(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return readFailedText(path, file.errorString());
    if (file.size() > kMaxCsvBytes)
        return tooLargeText(path);
    const QByteArray bytes = file.read(kMaxCsvBytes + 1); // it may have grown since
    if (file.error() != QFileDevice::NoError)
        return readFailedText(path, file.errorString());
    if (bytes.size() > kMaxCsvBytes)
        return tooLargeText(path);
    const CsvRead read = parseDrawCsv(bytes);
    if (!read.problems.empty())
        return badFileText(path, read.problems, more);
    QString error;
    const auto stored = database.exists() ? database.readAll(&error) : std::vector<Draw>{};
    if (!stored)
        return error;
    *merge = mergeDraws(*stored, read.draws);
    if (merge->added == 0 && merge->completed == 0)
        return {};
    return database.rewrite(merge->draws, database.path() + QLatin1Char('~'));
}

} // namespace

void TForm1::ImportButtonClick()
{
    if (refuseWhileBusy())
        return;
    const QString path = dialogs().openFileName(
        this, {ProgramDir, kShippedHistory, csvFilter(*this), QStringLiteral("csv")});
    if (path.isEmpty())
        return;
    importDraws(path);
}

void TForm1::importDraws(const QString& path)
{
    MergeResult merge;
    QString error;
    {
        const BusyCursor busy;
        error = importFile(path, DrawFile(databasePath()), text(TextLine::AndMore), &merge);
    }
    if (!error.isEmpty()) {
        dialogs().showMessage(this, error);
        return;
    }
    // The latest draw becomes current and is rated.
    if (!merge.draws.empty())
        datenbankPage()->setEndDate(DateSerial::toDate(merge.draws.back().datum));
    SpeedButton5Click();
    dialogs().showMessage(this, importedText(*this, merge));
}

void TForm1::offerShippedHistory()
{
    SettingsStore store(services_.settingsFile);
    if (store.contains(kHistoryOfferedValue))
        return;
    const DrawFile database(databasePath());
    if (!database.exists() || database.recordCount() != 0)
        return;
    // Only a delivered file that would import cleanly is offered.
    const QString path = ProgramDir + kShippedHistory;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxCsvBytes)
        return;
    const CsvRead read = parseDrawCsv(file.read(kMaxCsvBytes + 1));
    if (!read.problems.empty() || read.draws.empty())
        return;
    const auto shown = [](double serial) {
        return DateSerial::toDate(serial).toString(QStringLiteral("dd.MM.yyyy"));
    };
    const bool load = dialogs().askYesNo(
        this, text(TextLine::OfferHistoryCaption),
        text(TextLine::OfferHistory).arg(shown(read.draws.front().datum), shown(read.draws.back().datum)));
    store.writeBool(kHistoryOfferedValue, load);
    store.sync();
    if (load)
        importDraws(path);
}

void TForm1::ExportButtonClick()
{
    const QDate from = diagrammPage()->startDate();
    const QDate to = datenbankPage()->endDate();
    const bool windowOnly = dialogs().askYesNo(this, text(TextLine::ExportCaption),
                                               exportScopeQuestion(*this, from, to));
    const QString path = dialogs().saveFileName(
        this, {Home, QStringLiteral("Ziehungen.csv"), csvFilter(*this), QStringLiteral("csv")});
    if (path.isEmpty())
        return;

    QString error;
    const auto stored = DrawFile(databasePath()).readAll(&error);
    if (!stored) {
        dialogs().showMessage(this, error);
        return;
    }
    const std::vector<Draw> draws = windowOnly ? drawsBetween(*stored, from, to) : *stored;
    const AtomicFile::Result written = AtomicFile::write(path, drawCsv(draws));
    if (!written.ok()) {
        dialogs().showError(this, writeFailedText(path, written.reason));
        return;
    }
    setStatusPanel(1, [this, count = draws.size(), name = QFileInfo(path).fileName()] {
        return text(TextLine::Exported).arg(count).arg(name);
    });
}
