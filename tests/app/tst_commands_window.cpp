#include "app/pages/DatenbankPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/SystemPage.h"

#include "WindowFixture.h"

#include <QAction>
#include <QTest>

#include <functional>

// What each page and menu command does while a long operation runs, as the
// user meets it. The operation is entered without running anything: what a
// command does depends only on which kind is going.

namespace {

using L = LottotippPage::Command;
using D = DatenbankPage::Command;
using S = SystemPage::Command;

// One letter per kind of run, in the order generating, updating, searching,
// analysing (a backtest), building a system:
//   A  allowed: no refusal, the run goes on
//   D  disabled: the control is off; a request that still arrives is refused
//   R  refused with the note, the control stays on
//   S  asks the run to stop
//   -  decided by the run's own state, checked with real runs elsewhere
struct CommandCase {
    const char* name;
    std::function<void(TForm1&)> request;
    const char* control; // object name of the page control or menu item; null: none to check
    const char* whileRunning;
};

void lottotipp(TForm1& window, L command)
{
    emit window.lottotippPage()->commandRequested(command);
}

void datenbank(TForm1& window, D command)
{
    emit window.datenbankPage()->commandRequested(command);
}

std::function<void(TForm1&)> page(L command)
{
    return [command](TForm1& window) { lottotipp(window, command); };
}

std::function<void(TForm1&)> page(D command)
{
    return [command](TForm1& window) { datenbank(window, command); };
}

std::function<void(TForm1&)> page(S command)
{
    return [command](TForm1& window) { emit window.systemPage()->commandRequested(command); };
}

// As the user triggers it: a disabled item does nothing at all.
std::function<void(TForm1&)> menu(QAction* TForm1::*item)
{
    return [item](TForm1& window) { (window.*item)->trigger(); };
}

const QList<CommandCase>& commandCases()
{
    static const QList<CommandCase> cases{
        {"PreviousDraw", page(L::PreviousDraw), "SpeedButton6", "DDDDD"},
        {"NextDraw", page(L::NextDraw), "SpeedButton7", "DDDDD"},
        {"UpdateDatabase (tip page)", page(L::UpdateDatabase), "SpeedButton10", "DDDDD"},
        {"LuckyNumber", page(L::LuckyNumber), "SpeedButton13", "DDDDD"},
        {"GenerateTips", page(L::GenerateTips), "BitBtn4", "-RR-R"},
        {"ClearTips", page(L::ClearTips), "SpeedButton11", "DDDDD"},
        {"SaveTips", page(L::SaveTips), "SpeedButton15", "AAAAA"},
        {"LoadTips", page(L::LoadTips), "SpeedButton16", "DDDDD"},
        {"SearchTips", page(L::SearchTips), "SpeedButton4", "RRSRR"},
        {"TipDistribution", page(L::TipDistribution), "Button6", "AAAAA"},
        {"PrintTips", page(L::PrintTips), "BitBtn7", "AAAAA"},
        {"OpenProductPage", page(L::OpenProductPage), nullptr, "AAAAA"},
        {"EvaluateTicket", page(L::EvaluateTicket), "TicketRunButton", "AAAAA"},
        {"RateChosenDraw", page(D::RateChosenDraw), "SpeedButton5", "DDDDD"},
        {"UpdateDatabase (database page)", page(D::UpdateDatabase), "BitBtn1", "DDDDD"},
        {"StopUpdate", page(D::StopUpdate), nullptr, "ASAAA"},
        {"EnterDraw", page(D::EnterDraw), "BitBtn8", "DDDDD"},
        {"DeleteDraw", page(D::DeleteDraw), "BitBtn6", "DDDDD"},
        {"Overdue", page(D::Overdue), "Button5", "AAAAA"},
        {"SuperNumberOverdue", page(D::SuperNumberOverdue), "Button8", "AAAAA"},
        {"PairCount", page(D::PairCount), "Button2", "AAAAA"},
        {"TripleCount", page(D::TripleCount), "Button3", "AAAAA"},
        {"QuadCount", page(D::QuadCount), "Button4", "AAAAA"},
        {"PrimesPerTip", page(D::PrimesPerTip), "Button9", "AAAAA"},
        {"OddPerTip", page(D::OddPerTip), "Button10", "AAAAA"},
        {"EvenPerTip", page(D::EvenPerTip), "Button11", "AAAAA"},
        {"Backtest", page(D::Backtest), "BitBtn9", "RRRSR"},
        {"DrawComparison", page(D::DrawComparison), "BitBtn19", "RRRRR"},
        {"ImportDraws", page(D::ImportDraws), "ImportButton", "DDDDD"},
        {"ExportDraws", page(D::ExportDraws), "ExportButton", "AAAAA"},
        {"SystemToBoard", page(S::ToBoard), "SystemBoardButton", "DDDDD"},
        {"SystemSave", page(S::SaveSystem), "SystemSaveButton", "AAAAA"},
        {"SystemCsv", page(S::ExportCsv), "SystemCsvButton", "AAAAA"},
        {"SystemRate", page(S::Rate), "SystemRateButton", "AAAAA"},
        {"SystemClear", page(S::Clear), "SystemClearButton", "AAAAA"},
        {"SystemBacktest", page(S::Backtest), "SystemBacktestButton", "AAAAA"},
        {"SystemBuild", page(S::Build), "SystemBuildButton", "RRRRS"},
        {"SystemFromPool", page(S::FromPool), "SystemPoolButton", "AAAAA"},
        {"SystemLoad", page(S::Load), "SystemLoadButton", "AAAAA"},
        {"SystemPrint", page(S::Print), "SystemPrintButton", "AAAAA"},
        {"Aktualisieren1", menu(&TForm1::Aktualisieren1), "Aktualisieren1", "DDDDD"},
        {"Berechnen1", menu(&TForm1::Berechnen1), "Berechnen1", "-RR-R"},
        {"Tippspeichern1", menu(&TForm1::Tippspeichern1), "Tippspeichern1", "AAAAA"},
        {"Tippladen1", menu(&TForm1::Tippladen1), "Tippladen1", "DDDDD"},
        {"Dokumentationanzeigen1", menu(&TForm1::Dokumentationanzeigen1), "Dokumentationanzeigen1", "AAAAA"},
        // Closing waits for the run and stops it first; last, as it closes the window after.
        {"Schlieen1", menu(&TForm1::Schlieen1), "Schlieen1", "SSSSS"},
    };
    return cases;
}

} // namespace

Q_DECLARE_METATYPE(TForm1::Activity)

class TestCommandsWindow : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { tearDown(); }

    void everyCommandIsEnabledWhileIdle();
    void commandsWhileARunGoes_data();
    void commandsWhileARunGoes();

private:
    bool isEnabled(const char* name) const;
};

bool TestCommandsWindow::isEnabled(const char* name) const
{
    const QString objectName = QLatin1String(name);
    if (auto* widget = window_->PageControl1->findChild<QWidget*>(objectName))
        return widget->isEnabled();
    if (auto* item = window_->findChild<QAction*>(objectName))
        return item->isEnabled();
    qWarning("%s is missing", name);
    return false;
}

void TestCommandsWindow::everyCommandIsEnabledWhileIdle()
{
    window_ = makeWindow();
    window_->FormShow();
    QVERIFY(!window_->isBusy());
    for (const CommandCase& c : commandCases())
        if (c.control)
            QVERIFY2(isEnabled(c.control), c.name);
}

void TestCommandsWindow::commandsWhileARunGoes_data()
{
    QTest::addColumn<TForm1::Activity>("activity");
    QTest::addColumn<int>("column");
    QTest::newRow("generating") << TForm1::Activity::Generating << 0;
    QTest::newRow("updating") << TForm1::Activity::Updating << 1;
    QTest::newRow("searching") << TForm1::Activity::Searching << 2;
    QTest::newRow("analysing (backtest)") << TForm1::Activity::Analysing << 3;
    QTest::newRow("building a system") << TForm1::Activity::Building << 4;
}

void TestCommandsWindow::commandsWhileARunGoes()
{
    QFETCH(TForm1::Activity, activity);
    QFETCH(int, column);

    window_ = makeWindow();
    window_->FormShow();
    int stops = 0;
    window_->beginActivity(activity, [&stops] { ++stops; });
    if (activity == TForm1::Activity::Analysing)
        window_->runningAnalysis = TForm1::Analysis::Backtest;
    const QString refusal = window_->text(58);

    for (const CommandCase& c : commandCases()) {
        const char expected = c.whileRunning[column];
        if (expected == '-')
            continue;
        const QByteArray what = QByteArray(c.name) + " expected " + expected;
        if (c.control)
            QVERIFY2(isEnabled(c.control) == (expected != 'D'), what.constData());
        window_->clearNotice();
        stops = 0;
        c.request(*window_);

        const bool menuItem = c.control && window_->findChild<QAction*>(QLatin1String(c.control));
        const bool refused = expected == 'R' || (expected == 'D' && !menuItem);
        QVERIFY2((window_->notice() == refusal) == refused, what.constData());
        QVERIFY2((stops > 0) == (expected == 'S'), what.constData());
        QVERIFY2(window_->activity() == activity, what.constData());
    }
    window_->endActivity();
}

QTEST_MAIN(TestCommandsWindow)
#include "tst_commands_window.moc"
