#include "ManualShots.h"

#include "QuietPlatform.h"

#include "app/AppPaths.h"
#include "app/TForm1.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/Draw.h"
#include "draws/DrawFile.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTabWidget>
#include <QThread>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

// The latest example draw; the rated board below is made to hit it.
constexpr std::array<int, 6> kLatestNumbers{3, 11, 19, 24, 36, 42};
constexpr int kLatestBonus = 7;
constexpr int kLatestSuper = 5;

// Rows for the rated board: three, four and one hit plus the bonus number,
// the others fewer, so every colour of the rating shows.
constexpr std::array<std::array<int, 6>, 8> kTipRows{{
    {3, 11, 19, 27, 33, 45},
    {3, 11, 24, 36, 40, 48},
    {5, 7, 12, 19, 30, 44},
    {2, 9, 17, 28, 35, 49},
    {6, 14, 21, 24, 38, 41},
    {1, 13, 22, 31, 39, 46},
    {8, 15, 20, 29, 34, 47},
    {4, 10, 18, 26, 37, 43},
}};

Draw makeDraw(const QDate& date, const std::array<int, 6>& numbers, int bonus, int super)
{
    Draw draw;
    draw.datum = DateSerial::fromDate(date);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        draw.zahlen[i] = static_cast<std::uint8_t>(numbers[i]);
    draw.zahlen[6] = static_cast<std::uint8_t>(bonus);
    draw.zahlen[7] = static_cast<std::uint8_t>(super);
    return draw;
}

// Six different numbers 1 … 49 in ascending order and a bonus number apart
// from them, from a small fixed generator so every build shows the same charts.
struct ExampleNumbers {
    quint32 state = 20261128u;
    int next(int below)
    {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % quint32(below));
    }
    std::pair<std::array<int, 6>, int> draw()
    {
        std::array<bool, 50> taken{};
        std::array<int, 6> numbers{};
        for (int& number : numbers) {
            do
                number = 1 + next(49);
            while (taken[std::size_t(number)]);
            taken[std::size_t(number)] = true;
        }
        std::sort(numbers.begin(), numbers.end());
        int bonus = 0;
        do
            bonus = 1 + next(49);
        while (taken[std::size_t(bonus)]);
        return {numbers, bonus};
    }
};

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
            QStringLiteral("gewichtung"),
            QStringLiteral("eingabe")};
}

ManualShots::ManualShots(QString programDir) : programDir_(std::move(programDir)) {}

bool ManualShots::writeExampleDatabase(const QString& path)
{
    // Wednesday and Saturday draws for three years up to the last Saturday
    // before today, so the window's start-up finds a recent latest draw.
    QDate last = QDate::currentDate().addDays(-1);
    while (last.dayOfWeek() != Qt::Saturday)
        last = last.addDays(-1);
    std::vector<Draw> draws;
    ExampleNumbers numbers;
    for (QDate day = last.addYears(-3); day < last; day = day.addDays(1)) {
        if (day.dayOfWeek() != Qt::Wednesday && day.dayOfWeek() != Qt::Saturday)
            continue;
        const auto [six, bonus] = numbers.draw();
        draws.push_back(makeDraw(day, six, bonus, numbers.next(10)));
    }
    draws.push_back(makeDraw(last, kLatestNumbers, kLatestBonus, kLatestSuper));

    const DrawFile file(path);
    if (const QString failure = file.create(); !failure.isEmpty()) {
        error_ = failure;
        return false;
    }
    if (const QString failure = file.append(draws); !failure.isEmpty()) {
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

    QuietDialogs dialogs;
    QuietShell shell;
    QuietSound sound;
    TForm1::Services services;
    services.dialogs = &dialogs;
    services.shell = &shell;
    services.sound = &sound;
    services.settingsFile = home + QStringLiteral("settings.ini"); // never the user's own
    AppPaths paths;
    paths.home = home;
    paths.programDir = programDir_;

    const auto window = std::make_unique<TForm1>(paths, services);
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

    QTabWidget* tabs = window->PageControl1;
    auto showTab = [tabs](const char* name) {
        if (QWidget* page = tabs->findChild<QWidget*>(QLatin1String(name)))
            tabs->setCurrentWidget(page);
    };

    TipBoard* board = window->tipBoard();
    for (std::size_t row = 0; row < kTipRows.size(); ++row)
        for (int cell = 0; cell < 6; ++cell)
            board->setCellText(int(row) + 1, cell + 1,
                               QString::number(kTipRows[row][std::size_t(cell)]));
    board->toggleLock(2); // one locked row shows its red label
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
        entry->preset(makeDraw(QDate::currentDate(), kLatestNumbers, kLatestBonus, kLatestSuper));
        entry->show();
        ok = add(QStringLiteral("eingabe"), grab(entry));
        entry->hide();
    }

    messages_ = dialogs.messages;
    window->close();
    settle(50);
    return ok;
}
