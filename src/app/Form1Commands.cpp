#include "app/TForm1.h"

#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/SystemPage.h"
#include "app/pages/TipBoard.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>

#include <variant>

// Every command of the pages and the menu, with its handler and what becomes
// of it while a long operation (generation, update, search, analysis) runs.

namespace {

using L = LottotippPage::Command;
using D = DatenbankPage::Command;
using S = SystemPage::Command;
using MenuItem = QAction* TForm1::*;

enum class WhileRunning {
    // Runs as usual: it changes nothing a run reads (charts, saving, printing).
    Allowed,
    // Would change the board, the database, the current draw or the
    // parameters under the run: its control is disabled, and a request that
    // still arrives is refused with a note.
    Disabled,
    // Starts a long operation or stops the running one: the handler itself
    // stops its own run and refuses while another one goes.
    RunControl,
};

struct CommandEntry {
    std::variant<L, D, S, MenuItem> command;
    void (TForm1::*handler)();
    WhileRunning whileRunning;
    const char* control = nullptr; // the page's control that asks, for Disabled
};

const CommandEntry kCommands[] = {
    // clang-format off
    {L::PreviousDraw,       &TForm1::SpeedButton6Click,   WhileRunning::Disabled,   "SpeedButton6"},
    {L::NextDraw,           &TForm1::SpeedButton7Click,   WhileRunning::Disabled,   "SpeedButton7"},
    {L::UpdateDatabase,     &TForm1::NumerantClick,       WhileRunning::Disabled,   "SpeedButton10"},
    {L::LuckyNumber,        &TForm1::SpeedButton13Click,  WhileRunning::Disabled,   "SpeedButton13"},
    {L::GenerateTips,       &TForm1::Label28Click,        WhileRunning::RunControl},
    {L::ClearTips,          &TForm1::Loeschendertipp,     WhileRunning::Disabled,   "SpeedButton11"},
    {L::SaveTips,           &TForm1::SpeedButton15Click,  WhileRunning::Allowed},
    {L::LoadTips,           &TForm1::SpeedButton16Click,  WhileRunning::Disabled,   "SpeedButton16"},
    {L::SearchTips,         &TForm1::SpeedButton4Click,   WhileRunning::RunControl},
    {L::TipDistribution,    &TForm1::Button6Click,        WhileRunning::Allowed},
    {L::PrintTips,          &TForm1::BitBtn7Click,        WhileRunning::Allowed},
    {L::OpenProductPage,    &TForm1::Label43Click,        WhileRunning::Allowed},
    {L::EvaluateTicket,     &TForm1::TicketRunButtonClick, WhileRunning::Allowed},

    {D::RateChosenDraw,     &TForm1::SpeedButton5Click,   WhileRunning::Disabled,   "SpeedButton5"},
    {D::UpdateDatabase,     &TForm1::NumerantClick,       WhileRunning::Disabled,   "BitBtn1"},
    {D::StopUpdate,         &TForm1::SpeedButton8Click,   WhileRunning::RunControl},
    {D::EnterDraw,          &TForm1::BitBtn8Click,        WhileRunning::Disabled,   "BitBtn8"},
    {D::DeleteDraw,         &TForm1::BitBtn4Click,        WhileRunning::Disabled,   "BitBtn6"},
    {D::Overdue,            &TForm1::Button5Click,        WhileRunning::Allowed},
    {D::SuperNumberOverdue, &TForm1::Button8Click,        WhileRunning::Allowed},
    {D::PairCount,          &TForm1::Button2Click,        WhileRunning::Allowed},
    {D::TripleCount,        &TForm1::Button3Click,        WhileRunning::Allowed},
    {D::QuadCount,          &TForm1::Button4Click,        WhileRunning::Allowed},
    {D::PrimesPerTip,       &TForm1::Button9Click,        WhileRunning::Allowed},
    {D::OddPerTip,          &TForm1::Button10Click,       WhileRunning::Allowed},
    {D::EvenPerTip,         &TForm1::Button11Click,       WhileRunning::Allowed},
    {D::Backtest,           &TForm1::BitBtn9Click,        WhileRunning::RunControl},
    {D::DrawComparison,     &TForm1::BitBtn19Click,       WhileRunning::RunControl},
    {D::ImportDraws,        &TForm1::ImportButtonClick,   WhileRunning::Disabled,   "ImportButton"},
    {D::ExportDraws,        &TForm1::ExportButtonClick,   WhileRunning::Allowed},

    {S::ToBoard,            &TForm1::SystemBoardButtonClick, WhileRunning::Disabled, "SystemBoardButton"},
    {S::SaveSystem,         &TForm1::SystemSaveButtonClick,  WhileRunning::Allowed},
    {S::ExportCsv,          &TForm1::SystemCsvButtonClick,   WhileRunning::Allowed},
    {S::Rate,               &TForm1::SystemRateButtonClick,  WhileRunning::Allowed},
    {S::Clear,              &TForm1::SystemClearButtonClick, WhileRunning::Allowed},
    {S::Backtest,           &TForm1::SystemBacktestButtonClick, WhileRunning::Allowed},
    {S::Build,              &TForm1::SystemBuildButtonClick, WhileRunning::RunControl},
    {S::FromPool,           &TForm1::SystemPoolButtonClick,  WhileRunning::Allowed},
    {S::Load,               &TForm1::SystemLoadButtonClick,  WhileRunning::Allowed},
    {S::Print,              &TForm1::SystemPrintButtonClick, WhileRunning::Allowed},

    {&TForm1::Aktualisieren1,         &TForm1::Aktualisieren1Click,         WhileRunning::Disabled},
    {&TForm1::Berechnen1,             &TForm1::Berechnen1Click,             WhileRunning::RunControl},
    {&TForm1::Tippspeichern1,         &TForm1::SpeedButton15Click,          WhileRunning::Allowed},
    {&TForm1::Tippladen1,             &TForm1::SpeedButton16Click,          WhileRunning::Disabled},
    {&TForm1::Dokumentationanzeigen1, &TForm1::Dokumentationanzeigen1Click, WhileRunning::Allowed},
    {&TForm1::Schlieen1,              &TForm1::Schlieen1Click,              WhileRunning::Allowed},
    // clang-format on
};

template <typename Command>
const CommandEntry* entryOf(Command command)
{
    for (const CommandEntry& entry : kCommands)
        if (const auto* own = std::get_if<Command>(&entry.command); own && *own == command)
            return &entry;
    return nullptr;
}

} // namespace

void TForm1::connectCommands()
{
    const auto run = [this](const CommandEntry* entry) {
        if (!entry)
            return;
        if (entry->whileRunning == WhileRunning::Disabled && refuseWhileBusy())
            return;
        (this->*entry->handler)();
    };
    connect(lottotippPage(), &LottotippPage::commandRequested, this,
            [run](L command) { run(entryOf(command)); });
    connect(datenbankPage(), &DatenbankPage::commandRequested, this,
            [run](D command) { run(entryOf(command)); });
    connect(systemPage(), &SystemPage::commandRequested, this,
            [run](S command) { run(entryOf(command)); });

    for (const CommandEntry& entry : kCommands) {
        if (const auto* item = std::get_if<MenuItem>(&entry.command)) {
            connect(this->*(*item), &QAction::triggered, this, [run, &entry] { run(&entry); });
            if (entry.whileRunning == WhileRunning::Disabled)
                addBusyLockedControl(this->*(*item));
        } else if (entry.whileRunning == WhileRunning::Disabled) {
            QWidget* page = std::holds_alternative<L>(entry.command)   ? static_cast<QWidget*>(lottotippPage())
                            : std::holds_alternative<S>(entry.command) ? static_cast<QWidget*>(systemPage())
                                                                       : datenbankPage();
            addBusyLockedControl(page->findChild<QWidget*>(QLatin1String(entry.control)));
        }
    }

    // What a run reads besides the commands: the tips, the counting window,
    // the parameters and the language of the texts it writes. Charts can
    // still be viewed and the run stopped.
    addBusyLockedControl(tipBoard());
    addBusyLockedControl(datenbankPage()->endDatePicker());
    addBusyLockedControl(datenbankPage()->findChild<QCheckBox*>(QStringLiteral("CheckBox31")));
    addBusyLockedControl(diagrammPage()->startDatePicker());
    addBusyLockedControl(berechnungPage());
    addBusyLockedControl(SpracheLanguageLangue1);
}
