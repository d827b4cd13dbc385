// Outputs of the four history engines, recorded once and compared byte for
// byte: the backtest's Test.txt, the comparison's Test.rtf, generated boards
// and the search's found messages. They hold whatever the code did when they
// were recorded; a difference means some step of an engine changed. After an
// intended change, rewrite them with NUMERANT_WRITE_GOLDEN=1 and look at the
// difference before committing it.
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "evaluation/BacktestRun.h"
#include "evaluation/ReportFile.h"
#include "evaluation/TipSearchRun.h"
#include "generator/HistoryIndex.h"
#include "generator/Random.h"
#include "generator/TipGeneration.h"
#include "text/UiText.h"
#include "platform/UpDown.h"

#include "WindowFixture.h"

#include <QCheckBox>
#include <QFile>

namespace {

// The shipped history up to September 1995: the date pickers begin at
// 19.11.1994, so this leaves some ten months for the statistics, the
// comparison and about ninety backtest passes, few enough for the
// sanitizers.
const QDate kHistoryEnd(1995, 9, 30);
const QDate kEarliest(1994, 11, 19);

std::vector<Draw> historySlice()
{
    QFile csv(qEnvironmentVariable("NUMERANT_SOURCE_DIR") + QStringLiteral("/data/history/lotto-6aus49.csv"));
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    std::vector<Draw> draws = parseDrawCsv(csv.readAll()).draws;
    std::erase_if(draws, [](const Draw& d) { return d.datum > DateSerial::fromDate(kHistoryEnd); });
    return draws;
}

QString goldenPath(const QString& name)
{
    return qEnvironmentVariable("NUMERANT_SOURCE_DIR") + QStringLiteral("/tests/app/golden/") + name;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Compares with the recorded file, or records it when asked to.
void compareWithGolden(const QByteArray& actual, const QString& name)
{
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIsSet("NUMERANT_WRITE_GOLDEN")) {
        QFile out(path);
        QVERIFY2(out.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
        out.write(actual);
        return;
    }
    const QByteArray expected = readBytes(path);
    QVERIFY2(!expected.isEmpty(), qPrintable(path + QStringLiteral(" is missing")));
    if (actual != expected) {
        QFile out(QDir::temp().filePath(QStringLiteral("actual-") + name));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(actual);
        QFAIL(qPrintable(QStringLiteral("%1 differs; the output is in %2").arg(name, out.fileName())));
    }
}

// Settings of the "Berechnung" tab beyond the defaults: check boxes by
// number (negative: unticked) and spin fields by number.
struct ParameterSet {
    QList<int> boxes;
    QList<QPair<int, int>> spins;
};

ParameterSet parameterSet(const QString& name)
{
    if (name == QLatin1String("frequent-pairs-neighbours"))
        return {{2, 1, 19, -14}, {{12, 40}}};
    if (name == QLatin1String("triples-quads-only-preferred"))
        return {{6, 13, 15, 11}, {}};
    if (name == QLatin1String("row-conditions"))
        return {{22, 25, 8, -18, 26}, {{1, 110}, {2, 190}, {10, 1}}};
    if (name == QLatin1String("history-and-dates"))
        return {{-9, 27, 29, 30, -10, -24, -28}, {{3, 3}, {5, 3}, {17, 4}, {18, 30}}};
    return {};
}

// The backtest as the library runs it without a window: every pass makes
// its tips with the generator library, on the settings of a fresh window.
class LibraryBacktest final : public BacktestHost {
public:
    explicit LibraryBacktest(const std::vector<Draw>& draws) : draws_(draws), history_(draws)
    {
        settings_.history.start = DateSerial::fromDate(kEarliest);
    }
    bool stopBefore(int, double) override { return false; }
    void generate(int current) override
    {
        settings_.history.end = draws_[std::size_t(current)].datum;
        const TipGenerationInput input{draws_, history_, settings_, BoardState{}, 50000,
                                       draws_[std::size_t(current)].zahl()};
        TipGenerationHost host(input);
        const TipGenerationResult result = generateTips(input, Random::global(), host);
        for (std::size_t r = 0; r < tips_.size(); ++r)
            for (std::size_t k = 0; k < tips_[r].size(); ++k) {
                const int n = result.rows ? result.rows->rows[r][k] : 0;
                tips_[r][k] = n == 0 ? QString() : QString::number(n);
            }
    }
    BoardRows tips() override { return tips_; }

private:
    const std::vector<Draw>& draws_;
    const HistoryIndex history_;
    GeneratorSettings settings_;
    BoardRows tips_;
};

// The search as the library runs it without a window: at a hit the rows
// are sorted as the window's rating sorts them, and every message is
// answered yes.
class LibrarySearch final : public SearchHost {
public:
    void progress(const Draw&, int) override {}
    bool stopRequested() override { return false; }
    void examining(const Draw& draw) override { numbers_ = draw.zahl(); }
    void checked(int, const CheckResult&) override {}
    void hit(int, BoardRows& rows) override
    {
        const BoardRating rating = rateBoard(rows, numbers_);
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rating.rows[r].valid)
                rows[r] = rating.rows[r].sortedTexts;
    }
    bool goOn(const QString& title, const QString& message) override
    {
        questions << title + QLatin1Char('|') + message;
        return true;
    }

    QStringList questions;

private:
    std::array<qint32, 9> numbers_{};
};

} // namespace

class GoldenTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void backtestReport_data();
    void backtestReport();
    void backtestReportWithoutWindow_data() { backtestReport_data(); }
    void backtestReportWithoutWindow();
    void comparisonReport_data();
    void comparisonReport();
    void generatedBoards_data();
    void generatedBoards();
    void searchMessages();
    void searchMessagesWithoutWindow();

private:
    void setRow(int row, const QStringList& cells)
    {
        for (int k = 1; k <= TipBoard::CellCount; ++k)
            window_->tipBoard()->setCellText(row, k, cells.value(k - 1));
    }
    QByteArray boardText() const
    {
        QByteArray text;
        const TipBoard& board = *window_->tipBoard();
        for (int r = 1; r <= TipBoard::RowCount; ++r) {
            QStringList cells;
            for (int k = 1; k <= TipBoard::CellCount; ++k)
                cells << board.cellText(r, k);
            text += (cells.join(QLatin1Char(' ')) + QLatin1Char('|') + board.crossSumText(r)
                     + QLatin1Char('|') + board.hitsText(r) + QLatin1Char('\n'))
                        .toUtf8();
        }
        return text;
    }

    std::vector<Draw> history_;
};

void GoldenTest::initTestCase()
{
    history_ = historySlice();
    QVERIFY(history_.size() > 2000);
}

void GoldenTest::init()
{
    QVERIFY(setUp());
    QVERIFY(writeDraws(history_));
    window_ = makeWindow();
    window_->session().ratingOn = true;
    window_->diagrammPage()->setStartDate(kEarliest);
}

void GoldenTest::cleanup()
{
    tearDown();
}

void GoldenTest::backtestReport_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("seed");
    // The earliest day the picker holds, a Saturday with a draw; and a
    // Sunday, where the first pass starts at the next draw.
    for (const QDate start : {kEarliest, QDate(1995, 3, 12)})
        for (const char* seed : {"4711", "1", "99999"})
            QTest::addRow("%s-%s", qPrintable(start.toString(Qt::ISODate)), seed)
                << start << QString::fromLatin1(seed);
}

void GoldenTest::backtestReport()
{
    QFETCH(QDate, start);
    QFETCH(QString, seed);
    window_->datenbankPage()->setEndDate(start);
    dialogs_.inputAnswers.enqueue(seed);

    window_->BitBtn9Click();

    compareWithGolden(readBytes(home_ + QStringLiteral("Test.txt")),
                      QStringLiteral("backtest-%1-%2.txt").arg(start.toString(Qt::ISODate), seed));
}

void GoldenTest::backtestReportWithoutWindow()
{
    QFETCH(QDate, start);
    QFETCH(QString, seed);
    BacktestSetup setup;
    setup.firstDay = DateSerial::fromDate(start);
    setup.seed = seed.toUInt();
    setup.advance = Backtest::advanceDays(true, true);
    LibraryBacktest host(history_);

    const BacktestOutcome outcome = runBacktest(history_, setup, Random::global(), host);

    const QStringList lines = Backtest::report(
        outcome.counts, {UiText::line(33), UiText::line(1), UiText::line(71)}, outcome.stopped);
    compareWithGolden(ReportFile::textLines(lines),
                      QStringLiteral("backtest-%1-%2.txt").arg(start.toString(Qt::ISODate), seed));
}

void GoldenTest::comparisonReport_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("windowStart");
    QTest::newRow("1994-11-19") << kEarliest << kEarliest;
    // A Sunday: the first reference is the Wednesday after it.
    QTest::newRow("1995-03-12") << QDate(1995, 3, 12) << QDate(1995, 1, 7);
}

void GoldenTest::comparisonReport()
{
    QFETCH(QDate, start);
    QFETCH(QDate, windowStart);
    window_->datenbankPage()->setEndDate(start);
    window_->diagrammPage()->setStartDate(windowStart);
    dialogs_.inputAnswers.enqueue(QStringLiteral("3"));
    for (int i = 0; i < 10000; ++i)
        dialogs_.yesNoAnswers.enqueue(true);

    window_->BitBtn19Click();

    compareWithGolden(readBytes(home_ + QStringLiteral("Test.rtf")),
                      QStringLiteral("comparison-%1.rtf").arg(start.toString(Qt::ISODate)));
}

void GoldenTest::generatedBoards_data()
{
    QTest::addColumn<QString>("parameters");
    for (const char* name : {"defaults", "frequent-pairs-neighbours", "triples-quads-only-preferred",
                             "row-conditions", "history-and-dates"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void GoldenTest::generatedBoards()
{
    QFETCH(QString, parameters);
    const ParameterSet set = parameterSet(parameters);
    BerechnungPage& page = *window_->berechnungPage();
    for (int box : set.boxes)
        page.checkBox(std::abs(box))->setChecked(box > 0);
    for (const auto& [number, value] : set.spins)
        page.upDown(number)->setPosition(value);
    window_->datenbankPage()->setEndDate(kHistoryEnd);
    // Row 3 is the user's and locked: the run keeps it.
    setRow(3, {"4", "9", "16", "25", "36", "49"});
    window_->tipBoard()->toggleLock(3);

    QByteArray boards;
    for (const quint32 seed : {4711u, 1u, 20260101u}) {
        Random::global().setSeed(seed);
        window_->Label28Click();
        boards += "seed " + QByteArray::number(seed) + '\n' + boardText();
    }
    compareWithGolden(boards, QStringLiteral("boards-%1.txt").arg(parameters));
}

void GoldenTest::searchMessages()
{
    setRow(1, {"3", "11", "17", "25", "38", "44"});
    setRow(2, {"1", "2", "3", "4", "5", "6"});
    setRow(5, {"7", "13", "22", "31", "40", "49"});
    setRow(12, {"2", "12", "19", "26", "33", "47"});
    window_->datenbankPage()->setEndDate(kHistoryEnd);
    dialogs_.inputAnswers.enqueue(QStringLiteral("3"));
    for (int i = 0; i < 10000; ++i)
        dialogs_.yesNoAnswers.enqueue(true);

    window_->SpeedButton4Click();

    QVERIFY(!dialogs_.questions.isEmpty());
    compareWithGolden(dialogs_.questions.join(QLatin1Char('\n')).toUtf8() + '\n' + boardText(),
                      QStringLiteral("search-found.txt"));
}

void GoldenTest::searchMessagesWithoutWindow()
{
    BoardRows rows;
    rows[0] = {"3", "11", "17", "25", "38", "44"};
    rows[1] = {"1", "2", "3", "4", "5", "6"};
    rows[4] = {"7", "13", "22", "31", "40", "49"};
    rows[11] = {"2", "12", "19", "26", "33", "47"};
    const SearchRange range{DateSerial::fromDate(kEarliest), DateSerial::fromDate(kHistoryEnd), true, true};
    LibrarySearch host;

    QVERIFY(runTipSearch(history_, rows, range, 3, host).completed());

    // The recorded file ends with the window's board, one line a row.
    QList<QByteArray> recorded = readBytes(goldenPath(QStringLiteral("search-found.txt"))).split('\n');
    QVERIFY(recorded.size() > TipBoard::RowCount + 1);
    recorded.resize(recorded.size() - TipBoard::RowCount - 1);
    QCOMPARE(host.questions.join(QLatin1Char('\n')).toUtf8(), recorded.join('\n'));
}

QTEST_MAIN(GoldenTest)
#include "tst_golden.moc"
