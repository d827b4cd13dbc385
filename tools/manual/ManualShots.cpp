#include "ManualShots.h"

#include "HeadlessPlatform.h"

#include "paths/AppPaths.h"
#include "app/TForm1.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/SystemPage.h"
#include "app/pages/TipBoard.h"
#include "draws/Draw.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "text/Languages.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTabWidget>
#include <QThread>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

// How many of the latest draw's numbers each row of the rated board holds,
// and whether it holds its bonus number: three, four and one hit plus the
// bonus number, the others fewer, so every colour of the rating shows.
struct RowHits {
    int hits;
    bool bonus;
};
constexpr std::array<RowHits, 8> kRowHits{{
    {3, false}, {4, false}, {1, true}, {0, false}, {2, false}, {0, false}, {1, false}, {0, false}}};

// Rows made to hit `latest` as kRowHits says, filled with numbers it does
// not hold, so the board looks the same with any history.
std::vector<std::array<int, 6>> ratedRows(const Draw& latest)
{
    std::array<bool, 50> drawn{};
    std::vector<int> hits;
    for (int i = 0; i < 6; ++i) {
        drawn[latest.zahlen[std::size_t(i)] % 50] = true;
        hits.push_back(latest.zahlen[std::size_t(i)]);
    }
    const int bonus = latest.zahlen[6];
    drawn[std::size_t(bonus % 50)] = true;
    std::vector<int> misses;
    for (int n = 1; n <= 49; ++n)
        if (!drawn[std::size_t(n)])
            misses.push_back(n);
    std::vector<std::array<int, 6>> rows;
    std::size_t nextMiss = 0;
    for (std::size_t r = 0; r < kRowHits.size(); ++r) {
        std::vector<int> row;
        for (int k = 0; k < kRowHits[r].hits; ++k)
            row.push_back(hits[(r + std::size_t(k)) % hits.size()]);
        if (kRowHits[r].bonus && bonus >= 1 && bonus <= 49)
            row.push_back(bonus);
        while (row.size() < 6) {
            row.push_back(misses[nextMiss % misses.size()]);
            nextMiss += 5; // spread over the board
        }
        std::sort(row.begin(), row.end());
        std::array<int, 6> cells{};
        std::copy(row.begin(), row.end(), cells.begin());
        rows.push_back(cells);
    }
    return rows;
}

// Lets the window's queued work (start-up, layout, chart drawing) run.
void settle(int milliseconds = 100)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

QImage grab(QWidget* widget)
{
    settle();
    return widget->grab().toImage();
}

} // namespace

QStringList ManualShots::names()
{
    return {QStringLiteral("lottotipp"),
            QStringLiteral("berechnung-statistisch"),
            QStringLiteral("berechnung-optimierung"),
            QStringLiteral("berechnung-mathematisch"),
            QStringLiteral("berechnung-allgemein"),
            QStringLiteral("diagramm"),
            QStringLiteral("diagramm-ausstehend"),
            QStringLiteral("datenbank"),
            QStringLiteral("internet"),
            QStringLiteral("system"),
            QStringLiteral("gewichtung"),
            QStringLiteral("eingabe")};
}

ManualShots::ManualShots(QString programDir, QString language)
    : programDir_(std::move(programDir)), language_(std::move(language))
{
}

bool ManualShots::writeExampleDatabase(const QString& path)
{
    // The real history delivered with the program, so the pictures show
    // real draws and real statistics.
    QFile csv(programDir_ + QStringLiteral("lotto-6aus49.csv"));
    if (!csv.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("cannot read the draw history %1: %2").arg(csv.fileName(), csv.errorString());
        return false;
    }
    const CsvRead read = parseDrawCsv(csv.readAll());
    if (read.draws.empty() || !read.problems.empty()) {
        error_ = QStringLiteral("the draw history %1 is not usable").arg(csv.fileName());
        return false;
    }
    latest_ = read.draws.back();

    const DrawFile file(path);
    if (const QString failure = file.create(); !failure.isEmpty()) {
        error_ = failure;
        return false;
    }
    if (const QString failure = file.append(read.draws); !failure.isEmpty()) {
        error_ = failure;
        return false;
    }
    return true;
}

bool ManualShots::add(const QString& name, const QImage& image)
{
    Q_ASSERT(names().contains(name));
    // A picture this small or of one colour means the widget was not drawn.
    bool varied = false;
    if (image.width() >= 100 && image.height() >= 100) {
        const QRgb first = image.pixel(0, 0);
        for (int y = 0; y < image.height() && !varied; y += 7)
            for (int x = 0; x < image.width() && !varied; x += 7)
                varied = image.pixel(x, y) != first;
    }
    if (!varied) {
        error_ = QStringLiteral("screenshot \"%1\" is empty (%2x%3)")
                     .arg(name)
                     .arg(image.width())
                     .arg(image.height());
        return false;
    }
    shots_.insert(name, image);
    return true;
}

bool ManualShots::take()
{
    if (!home_.isValid()) {
        error_ = QStringLiteral("no temporary folder: %1").arg(home_.errorString());
        return false;
    }
    const QString home = home_.path() + QLatin1Char('/');
    if (!writeExampleDatabase(home + QStringLiteral("ZahlenOB.dat")))
        return false;

    // Nothing opens, nothing plays, every question is answered "no". The
    // messages are kept for the report: an unexpected box usually means a
    // wrong picture.
    HeadlessPlatform platform;
    FakeDialogs& dialogs = platform.dialogs;
    AppPaths paths;
    paths.home = home;
    paths.programDir = programDir_;

    const auto window = platform.makeWindow(paths, home + QStringLiteral("settings.ini")); // never the user's own
    window->show();
    settle(300);
    // Start-up may run the online update in the background; wait for its end.
    const QDeadlineTimer deadline(20000);
    while (window->isBusy() && !deadline.hasExpired())
        settle(50);
    if (window->isBusy()) {
        error_ = QStringLiteral("the window was still busy 20 s after start-up");
        return false;
    }

    if (language_ != QLatin1String("de")) {
        QAction* item = nullptr;
        for (const Language& known : Languages::all())
            if (known.code == language_)
                item = window->findChild<QAction*>(known.menuItem);
        if (!item) {
            error_ = QStringLiteral("unknown language \"%1\"").arg(language_);
            return false;
        }
        const qsizetype before = dialogs.messages.size();
        item->trigger();
        settle(100);
        if (dialogs.messages.size() != before) {
            error_ = QStringLiteral("switching to \"%1\" failed: %2").arg(language_, dialogs.messages.constLast());
            return false;
        }
    }

    QTabWidget* tabs = window->PageControl1;
    auto showTab = [tabs](const char* name) {
        if (QWidget* page = tabs->findChild<QWidget*>(QLatin1String(name)))
            tabs->setCurrentWidget(page);
    };

    TipBoard* board = window->tipBoard();
    const std::vector<std::array<int, 6>> rows = ratedRows(latest_);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (int cell = 0; cell < 6; ++cell)
            board->setCellText(int(row) + 1, cell + 1,
                               QString::number(rows[row][std::size_t(cell)]));
    board->toggleLock(2); // one locked row shows its red label
    // A ticket number ending in the latest draw's super number, so that the
    // board shows prize classes with the super number.
    window->session().ticket.number = QStringLiteral("123456") + QString::number(latest_.superNumber() % 10);
    window->session().ticket.spiel77 = 1;
    window->showTicket();
    window->SpeedButton5Click();

    bool ok = true;
    showTab("TabSheet1");
    ok = ok && add(QStringLiteral("lottotipp"), grab(window.get()));

    showTab("TabSheet6");
    if (auto* inner = tabs->findChild<QTabWidget*>(QStringLiteral("PageControl2"))) {
        const std::array<std::pair<const char*, const char*>, 4> subTabs{{
            {"TabSheet8", "berechnung-statistisch"},
            {"TabSheet9", "berechnung-optimierung"},
            {"TabSheet7", "berechnung-mathematisch"},
            {"TabSheet10", "berechnung-allgemein"},
        }};
        for (const auto& [page, name] : subTabs) {
            if (QWidget* widget = inner->findChild<QWidget*>(QLatin1String(page)))
                inner->setCurrentWidget(widget);
            ok = ok && add(QLatin1String(name), grab(window.get()));
        }
        inner->setCurrentIndex(0);
    }

    showTab("TabSheet5");
    window->SpeedButton2Click();
    ok = ok && add(QStringLiteral("diagramm"), grab(window.get()));
    window->Button5Click();
    ok = ok && add(QStringLiteral("diagramm-ausstehend"), grab(window.get()));
    window->SpeedButton2Click();

    showTab("TabSheet4");
    ok = ok && add(QStringLiteral("datenbank"), grab(window.get()));
    showTab("TabSheet3");
    ok = ok && add(QStringLiteral("internet"), grab(window.get()));
    // Ten numbers in a reduced system, rated against the latest draw.
    showTab("TabSheet13");
    for (int number : {3, 7, 12, 19, 23, 28, 31, 36, 41, 45})
        window->systemPage()->numberButton(number)->click();
    window->systemPage()->setSystemIndex(std::min(2, window->systemPage()->systemCombo()->count() - 1));
    window->SystemRateButtonClick();
    ok = ok && add(QStringLiteral("system"), grab(window.get()));
    showTab("TabSheet1");

    if (ok) {
        TForm6* weighting = window->form6();
        std::vector<int> pool;
        for (int n = 1; n <= 49; ++n)
            for (int k = 0; k < 1 + (n * 7) % 4; ++k)
                if (n % 9 != 0)
                    pool.push_back(n);
        weighting->presetPool(pool);
        weighting->show();
        ok = add(QStringLiteral("gewichtung"), grab(weighting));
        weighting->hide();
    }
    if (ok) {
        TForm3* entry = window->form3();
        entry->preset(latest_);
        entry->show();
        ok = add(QStringLiteral("eingabe"), grab(entry));
        entry->hide();
    }

    messages_ = dialogs.messages + dialogs.questions;
    window->close();
    settle(50);
    return ok;
}
