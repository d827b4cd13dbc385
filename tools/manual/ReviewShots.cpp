#include "ReviewShots.h"

#include "DrawFixture.h"
#include "HeadlessPlatform.h"
#include "ShownPages.h"

#include "paths/AppPaths.h"
#include "app/TForm1.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "platform/ReportViewer.h"
#include "text/Languages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

namespace {

// Lets the window's queued work (start-up, layout, chart drawing) run.
void settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// A shown window on the stand-ins, its home a temporary folder holding the
// draws, its program folder the delivered files.
struct Window {
    QTemporaryDir home;
    HeadlessPlatform platform;
    std::unique_ptr<TForm1> form;

    QString open(const QString& programDir, const std::vector<Draw>& draws)
    {
        if (!home.isValid())
            return QStringLiteral("no temporary folder: %1").arg(home.errorString());
        const QString homePath = home.path() + QLatin1Char('/');
        if (writeDatabase(homePath, draws).isEmpty())
            return QStringLiteral("cannot write the draws into %1").arg(homePath);
        AppPaths paths;
        paths.home = homePath;
        paths.programDir = QDir(programDir).absolutePath() + QLatin1Char('/');
        form = platform.makeWindow(paths, homePath + QStringLiteral("settings.ini"));
        form->show();
        settle(300);
        const QDeadlineTimer deadline(20000);
        while (form->isBusy() && !deadline.hasExpired())
            settle(50);
        return form->isBusy() ? QStringLiteral("the window was still busy 20 s after start-up") : QString();
    }

    void switchTo(const QString& code)
    {
        for (const Language& language : Languages::all())
            if (language.code == code)
                form->findChild<QAction*>(language.menuItem)->trigger();
        settle(50);
    }

    // Brings the control's tab (and sub-tab) to the front first, as a user must.
    bool click(const QString& name)
    {
        QWidget* control = form->PageControl1->findChild<QWidget*>(name);
        if (!control)
            return false;
        for (QWidget* page = control; page; page = page->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr);
                tabs && tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
        QTest::mouseClick(control, Qt::LeftButton);
        return true;
    }

    std::vector<QWidget*> visiblePages() const { return shownPages(*form->PageControl1); }
};

QString save(const QPixmap& picture, const QString& path)
{
    return picture.save(path, "PNG") ? QString() : QStringLiteral("cannot write %1").arg(path);
}

} // namespace

namespace ReviewShots {

QString writeLanguageSheets(const QString& programDir, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make %1").arg(folder);
    Window window;
    // One Saturday draw, so the draw lines show a weekday.
    if (const QString failure = window.open(programDir, {makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7)});
        !failure.isEmpty())
        return failure;
    TForm1& form = *window.form;
    for (const Language& language : Languages::all()) {
        window.switchTo(language.code);
        QList<QPixmap> shots;
        for (QWidget* page : window.visiblePages()) {
            if (!page->findChildren<QTabWidget*>().isEmpty())
                continue; // its inner pages are shown one by one
            for (QWidget* up = page; up && up != &form; up = up->parentWidget())
                if (auto* holder = qobject_cast<QTabWidget*>(up->parentWidget() ? up->parentWidget()->parentWidget() : nullptr))
                    holder->setCurrentWidget(up);
            QCoreApplication::processEvents();
            shots << form.grab();
        }
        for (QWidget* dialog : {static_cast<QWidget*>(form.form3()), static_cast<QWidget*>(form.form6())}) {
            dialog->show();
            settle(50);
            shots << dialog->grab();
            dialog->hide();
        }
        const int columns = 3;
        const QSize cell(560, 460);
        QPixmap sheet(cell.width() * columns, cell.height() * int((shots.size() + columns - 1) / columns));
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        for (int i = 0; i < shots.size(); ++i)
            painter.drawPixmap(QPoint((i % columns) * cell.width(), (i / columns) * cell.height()), shots[i]);
        painter.end();
        if (const QString failure = save(sheet, QDir(folder).filePath(language.code + QStringLiteral(".png")));
            !failure.isEmpty())
            return failure;
    }
    return {};
}

QString writeChartShots(const QString& programDir, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make %1").arg(folder);
    QFile history(QDir(programDir).filePath(QStringLiteral("lotto-6aus49.csv")));
    if (!history.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the draw history %1: %2").arg(history.fileName(), history.errorString());
    const CsvRead read = parseDrawCsv(history.readAll());
    if (!read.problems.empty() || read.draws.empty())
        return QStringLiteral("the draw history %1 is not usable").arg(history.fileName());

    Window window;
    if (const QString failure = window.open(programDir, read.draws); !failure.isEmpty())
        return failure;
    TForm1& form = *window.form;
    form.diagrammPage()->setStartDate(QDate(2015, 1, 1));
    form.datenbankPage()->setEndDate(DateSerial::toDate(read.draws.back().datum));
    const int rows[12][6] = {{3, 11, 19, 27, 38, 45}, {1, 9, 10, 22, 40, 49}, {4, 5, 17, 23, 31, 44},
                             {2, 6, 13, 29, 35, 48}, {7, 12, 18, 26, 33, 41}, {8, 14, 21, 30, 37, 46},
                             {15, 16, 24, 32, 39, 47}, {5, 10, 20, 25, 36, 43}, {1, 12, 23, 34, 42, 49},
                             {3, 9, 14, 28, 30, 41}, {6, 17, 19, 22, 35, 40}, {2, 11, 18, 27, 31, 46}};
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 6; ++c)
            form.tipBoard()->setCellText(r, c, QString::number(rows[r - 1][c - 1]));

    const QList<QPair<QString, QString>> charts{
        {"distribution", "SpeedButton200"}, {"overdue", "SpeedButton9"},
        {"crosssums", "SpeedButton900"},    {"supernumber", "Button8"},
        {"tips", "Button6"},                {"pairs", "SpeedButton1"},
        {"triples", "SpeedButton3"},        {"quads", "SpeedButton2"},
        {"primes", "Button9"},              {"odd", "Button10"},
        {"even", "Button11"}};
    const QSize design(560, 460);
    FakeDialogs& dialogs = window.platform.dialogs;
    dialogs.messages.clear(); // start-up's are not the charts'
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("en")}) {
        window.switchTo(language);
        for (int scale : {1, 2}) {
            const QString size = scale == 1 ? QStringLiteral("design") : QStringLiteral("double");
            const auto file = [&](const QString& name) { return QDir(folder).filePath(name.arg(language, size)); };
            form.resize(design * scale);
            form.PageControl1->setCurrentWidget(form.diagrammPage());
            for (const auto& [name, control] : charts) {
                if (!window.click(control))
                    return QStringLiteral("the window has no control %1").arg(control);
                if (!dialogs.messages.isEmpty())
                    return QStringLiteral("%1 showed a message: %2").arg(control, dialogs.messages.constLast());
                form.PageControl1->setCurrentWidget(form.diagrammPage());
                settle(50); // the chart lays out its axes in the event loop, as on screen
                if (const QString failure = save(form.grab(), file(QStringLiteral("chart_%1_%2_") + name + QStringLiteral(".png")));
                    !failure.isEmpty())
                    return failure;
            }
            form.diagrammPage()->zoomBox()->setChecked(true);
            window.click(QStringLiteral("SpeedButton200"));
            settle(50);
            if (const QString failure = save(form.grab(), file(QStringLiteral("chart_%1_%2_distribution_zoomed.png")));
                !failure.isEmpty())
                return failure;
            form.diagrammPage()->zoomBox()->setChecked(false);

            window.click(QStringLiteral("Button10")); // leaves a current draw, so the rating has one
            form.BitBtn7Click();
            const QList<ReportViewer*> viewers = form.findChildren<ReportViewer*>(Qt::FindDirectChildrenOnly);
            if (viewers.isEmpty())
                return QStringLiteral("the rating showed no report");
            std::unique_ptr<ReportViewer> viewer(viewers.constLast());
            viewer->resize(design * scale);
            settle(50);
            if (const QString failure = save(viewer->grab(), file(QStringLiteral("viewer_%1_%2.png"))); !failure.isEmpty())
                return failure;
        }
    }
    return {};
}

} // namespace ReviewShots
