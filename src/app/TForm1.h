#pragma once

#include "paths/AppPaths.h"
#include "draws/Draw.h"
#include "draws/Session.h"
#include "generator/NumberPool.h"
#include "systems/ShippedSystems.h"
#include "text/TextTable.h"

#include <QDate>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QList>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BerechnungPage;
struct BoardRating;
class Chart1;
struct ChartData;
class DatenbankPage;
class DiagrammPage;
class Dialogs;
class InternetPage;
class SystemBuildJob;
class SystemPage;
struct LottoSystem;
class LottotippPage;
class QAction;
class QKeyEvent;
class QLabel;
class QLocale;
class QMenuBar;
class QStatusBar;
class QTabWidget;
class RadioGroup;
class Shell;
class Sound;
class StatusPanel;
class TForm3;
class TForm6;
struct TicketPlay;
struct TicketRun;
class TipBoard;

// The main window. It owns every setting as the state of one of its controls,
// the tips as the texts of the tip-board cells and the current draw in its
// session.
// Handlers are split by subsystem into Form1*.cpp files.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    struct Services {
        Dialogs* dialogs = nullptr;
        Shell* shell = nullptr;
        Sound* sound = nullptr;
        QString settingsFile; // empty: the per-user settings store
    };

    TForm1(const AppPaths& paths, const Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- fields ----------------------------------------------------------
    QString Home;        // folder the program writes into, trailing '/'
    QString ProgramDir;  // folder of the delivered files, trailing '/'
    QString ZahlenFile = AppPaths::databaseName();
    QString SoundName = QStringLiteral("yippee.wav");
    qint32 Sprache = 0;
    // Stored values the window only carries from start-up to shutdown.
    qint32 Land = 1;
    qint32 TippTop = 39;
    qint32 TippLeft = 47;

    // The current draw, the counting window's dates, the run limit, whether
    // rating is on, the last rating and the ticket. The handlers keep it up
    // to date and show it; the engines read what they need from it.
    Session& session() { return session_; }
    const Session& session() const { return session_; }

    QString databasePath() const { return Home + ZahlenFile; }

    Dialogs& dialogs() const { return *services_.dialogs; }
    // Tells the user the path of anything the desktop cannot open.
    Shell& shell() const { return *shell_; }
    Sound& sound() const { return *services_.sound; }

    // ---- start-up and shutdown (Form1Startup.cpp) -------------------------
    void FormShow();  // start-up sequence; runs once, at the first show
    void FormClose(); // save sequence

    // The interface texts read by number (UI text table line N); the hidden
    // memo Memo2 shows the same lines.
    TextTable textTable;
    QString text(int line) const { return textTable.line(line); }

    // ---- online update (Form1Update.cpp) ----------------------------------
    void NumerantClick();
    void SpeedButton8Click();  // stops the update at once
    void Aktualisieren1Click();
    // Limits of each request of the update; tests shorten them.
    int updateIdleTimeoutMs = 15000;
    int updateTotalTimeoutMs = 60000;
private:
    class DrawUpdater* updater_ = nullptr;
    void endUpdate(const QString& message, const QDate& nextDay);
public:
    // ---- end of online update ---------------------------------------------

    // ---- draw import and export (Form1Import.cpp) ---------------------------
    void ImportButtonClick();
    // At a start with an empty database, offers the delivered draws once.
    void offerShippedHistory();
    void ExportButtonClick();
    void importDraws(const QString& path); // merges a CSV file of draws, says how it went
    // ---- end of draw import and export --------------------------------------

    // ---- languages (Form1Language.cpp) --------------------------------------
    void applyLanguage(qint32 language); // runs the language operation of that number
    void DateiLaden1Click(const QString& Dateiname, const QString& Sprache);
    void Deutsch1Click();
    void Englisch1Click();
    void Franzsisch1Click();
    void Spanisch1Click();
    void Trkisch1Click();
    void Russisch1Click();
    void Polnisch1Click();
    void schechisch1Click();
    void Niederlndisch1Click();
    // private helpers of languages:
    void runLanguage(qint32 number); // steps shared by the nine menu items
    void showTextTable();            // Memo2 follows textTable
    // ---- end of languages ---------------------------------------------------

    // ---- shell actions (Form1Shell.cpp) -------------------------------------
    void Label43Click();                    // banners: the product page
    void Label52Click(const QString& text); // link labels: the clicked address
    void connectShell();
    // A report the program wrote, shown in its own viewer: `path` is the file
    // (saved, printed or handed on from there), `content` the text shown.
    void showReport(const QString& path, const QString& content);
    // Writes a text report into the user's folder and shows it; says why when
    // it cannot be written.
    void saveTextReport(const QString& fileName, const QStringList& lines);
    // Where the tip file dialogs open (Form1TipFiles.cpp).
    QString tipFileFolder() const;
    // ---- end of shell actions -----------------------------------------------

    // ---- rating (Form1Rating.cpp) -------------------------------------------
    void Zettelcheck(const QString& Edit1T, const QString& Edit2T, const QString& Edit3T,
                     const QString& Edit4T, const QString& Edit5T, const QString& Edit6T);
    void Komplettcheck();
    // Komplettcheck with or without the sound: a change of the ticket
    // changes classes and stake, not the hits the sound is for.
    void rateBoardShown(bool withSound);
    void SpeedButton5Click();
    // helpers of rating:
    // Makes `draw` the current draw and shows it: the session's draw, the draw
    // lines, the cross sum and the end date follow it.
    void showCurrentDraw(const Draw& draw, bool firstRecord);
    // The draw lines of the shown draw again, with the weekday names of the
    // interface language.
    void showDrawLine();
    // Shows the current draw's line and cross sum again and re-rates, after
    // something (a language switch) replaced the texts.
    void showDrawAgain();
    // Says once in status panel 0 how many records of the database are
    // damaged (they are skipped by everything that reads them).
    void reportDamagedRecords(const std::vector<Draw>& draws);
    // ---- end of rating ------------------------------------------------------

    // ---- the ticket (Form1Ticket.cpp) ---------------------------------------
    void TicketEdited();          // a field of the ticket panel changed
    void LosnummerExit();         // the user left the ticket number field
    void TicketRunButtonClick();  // the report of the ticket's run
    // helpers of the ticket:
    // After the settings were read: the draw days a stored ticket lacks (a
    // Saturday ticket when "Ich spiele nur Samstags" is ticked), then shown.
    void ticketAfterLoad();
    void showTicket(); // the session's ticket into the panel
    TicketPlay ticketPlay() const;
    TicketRun ticketRun() const;
    QString ticketFeeText() const; // the fee field of the ticket's draw days
    // The last digit of the ticket number, -1 without a valid one.
    int ticketSuperNumber() const;
    // The stake of so many rows a draw and over the ticket's run.
    QStringList ticketCostLines(int rows) const;
    QLocale numberLocale() const;
    // The ticket's classes in the current draw and its cost, under the board.
    void showTicketResult(const BoardRating& rating);
    // Says in the status bar what the ticket won in draws of its run that
    // were not stored at the last call (an update, an import, an entry).
    void announceTicketDraws(const std::vector<Draw>& draws);
private:
    std::optional<std::vector<double>> ticketDatesSeen_; // stored draw days at the last call
    QString losnummerSaid_; // the ticket number last checked on leaving its field
public:
    // ---- end of the ticket --------------------------------------------------

    // ---- the system tab (Form1Systems.cpp) ----------------------------------
    void SystemNumberClick(int number);   // a number of the grid
    void SystemChosen();                  // the system choice changed
    void SystemBoardButtonClick();        // the first twelve rows onto the board
    void SystemRateButtonClick();         // the system against the draw and the run
    void SystemSaveButtonClick();         // as a system file
    void SystemCsvButtonClick();          // the rows as CSV
    void SystemClearButtonClick();        // no number chosen
    void SystemBacktestButtonClick();     // the report over a range of stored draws
    void SystemBuildButtonClick();        // builds a system for the asked guarantee, or stops the build
    void SystemPoolButtonClick();         // the strongest numbers of the last pool
    void SystemLoadButtonClick();         // a system file's numbers and rows
    void SystemPrintButtonClick();        // every row as text in the report viewer
    // The generator hands over each pool it draws from, for the system tab.
    void rememberPool(const NumberPool& pool) { lastPool_ = pool; }
    // The chosen system; none while fewer than 7 numbers are chosen.
    std::optional<LottoSystem> currentSystem() const;
    // The choices, rows, guarantee and cost on the tab, in the interface language.
    void showSystem();
private:
    void connectSystems();
    // Says why nothing can be done without a system; false then.
    bool haveSystem(std::optional<LottoSystem>& system);
    std::vector<int> systemNumbers_; // the grid's choice, ascending
    // The guarantee last chosen, and whether of a built or loaded system:
    // kept while numbers are added or taken away, as long as the list has a
    // system with it for the new count.
    struct SystemChoice {
        Guarantee guarantee{6, 6};
        bool built = false;
    } systemChoice_;
    void chooseSystem(Guarantee guarantee, bool built);
    // The session's own system for k numbers and the guarantee, or nullptr.
    ShippedSystem* builtSystem(int k, Guarantee guarantee);
    // Systems built or loaded in this session, in the table's shape; each
    // serves any choice of as many numbers.
    std::vector<ShippedSystem> builtSystems_;
    // Adds a built or loaded design and chooses it. A design the table or
    // list has with the same rows is chosen instead; a design replaces the
    // list's one of the same count and guarantee.
    void adoptSystem(ShippedSystem design);
    void systemBuildFinished();
    SystemBuildJob* systemBuild_ = nullptr;
    int systemBuilds_ = 0; // each build of a session starts from another seed
    QString systemBuildCaption_; // the build button's caption while it says "stop"
    std::optional<NumberPool> lastPool_;
public:
    // ---- end of the system tab ----------------------------------------------

    // ---- tip board (Form1TipBoard.cpp) --------------------------------------
    void Edit1Exit(int row, int cell);
    void Loeschendertipp();
    void SpeedButton11Click();
    void TippEditClick(int row); // Tipp1EditClick ... Tipp12EditClick
    void TippEdit(int Anfang, int Ende);
    void SpeedButton13Click();
    // helpers of tip board:
    // ---- end of tip board ---------------------------------------------------

    // ---- draw browsing, entry, deletion (Form1Draws.cpp) --------------------
    void SpeedButton6Click();
    void SpeedButton7Click();
    void BitBtn8Click();
    void BitBtn4Click();
    // helpers of draws:
private:
    void stepDraw(bool forward); // shared body of SpeedButton6Click / SpeedButton7Click
public:
    // ---- end of draws -------------------------------------------------------

    // ---- tip files and printout (Form1TipFiles.cpp) -------------------------
    void SpeedButton15Click();
    void SpeedButton16Click();
    void Textladen(const QString& Dateiname);
    void BitBtn7Click();
    // helpers of tip files:
    // ---- end of tip files ---------------------------------------------------

    // ---- statistics charts (Form1Stats.cpp) ---------------------------------
    void SpeedButton2Click();
    void Button5Click();
    void SpeedButton9Click();
    void Button8Click();
    void Button6Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Label88Click();
    void DiagrammQuersummen();
    void Label89Click();
    void Label91Click();
    void Label90Click();
    // helpers of statistics:
    // Shows a statistic's chart data; the chart keeps nothing anyone reads.
    void showStatistic(const ChartData& data);
    // ---- end of statistics --------------------------------------------------

    // ---- search and historical analysis (Form1Search.cpp, Form1Analysis.cpp) --
    void SpeedButton4Click();
    void BitBtn9Click();
    void BitBtn19Click();
    // A stand-in for the tip generator of each backtest pass, which then
    // rates the board as the stand-in leaves it (tests). Unset, every pass
    // runs the generator library on the draws read once.
    std::function<void()> backtestGenerator;
    // helpers of the analysis:
    enum class Analysis { None, Backtest, Comparison };
    Analysis runningAnalysis = Analysis::None; // which button a second click stops
    // SpeedButton5Click on draws already read: the draw of the day becomes
    // current and the rows are rated.
    void rateDrawOfDay(const std::vector<Draw>& draws, double day);
    // ---- end of search and historical analysis ----------------------------

    // ---- tip generator (Form1Generator.cpp) ---------------------------------
    // Starts a generation run, or asks a running one (or the backtest) to stop.
    void Label28Click();
    void Berechnen1Click();
    // One run of the generator over the window as it stands, inside a long
    // operation the caller holds: the click's own, or the backtest's pass.
    void generateTips();
    // ---- end of tip generator -----------------------------------------------

    // ---- long operations (Form1Busy.cpp) ------------------------------------
    // One long operation runs at a time (generation, online update, search,
    // analysis). While it runs, the handlers that would change the board, the
    // database, the current draw or the parameters refuse through
    // refuseWhileBusy(); closing the window stops the operation first.
    // Building a reduced system runs on a worker thread, the others here.
    enum class Activity { Idle, Generating, Updating, Searching, Analysing, Building };
    Activity activity() const { return activity_; }
    bool isBusy() const { return activity_ != Activity::Idle; }
    // `stop` ends the operation as soon as possible (a flag the loop reads,
    // or an abort); it is called by requestStop() and when the window closes.
    void beginActivity(Activity activity, std::function<void()> stop);
    void endActivity();
    void requestStop();
    // True, with a short note in status panel 1, while an operation runs.
    bool refuseWhileBusy();
    // Controls disabled while any long operation runs (the command table
    // adds them; the button that stops an operation is not among them).
    void addBusyLockedControl(QObject* control);
    // True at most once per frame (40 ms). A long operation paints the window
    // and takes input when a frame is due, not at every one of its steps,
    // so thousands of steps are not slowed down by drawing.
    bool frameDue();
    // ---- end of long operations -----------------------------------------

    // Signal wiring per subsystem, called once from the constructor.
    void connectLanguage();
    void connectTipBoard();
    void connectStats();
    void connectTicket();
    // The command table (Form1Commands.cpp): every page and menu command
    // with its handler, and what is disabled while a long operation runs.
    void connectCommands();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Activity activity_ = Activity::Idle;
    std::function<void()> stopActivity_;
    bool closeAfterActivity_ = false;
    QElapsedTimer frameClock_;
    QList<QPointer<QObject>> busyLocked_;
    void setBusyLockedEnabled(bool enabled);

    bool startedUp_ = false; // FormShow ran; nothing is saved before it restored
    // When the program folder cannot be written, the per-user folder starts
    // with a copy of the database beside the program (or delivered with it).
    void adoptProgramDatabase();
    QString executableDir_;
    QString lastTipFolder_; // where the last tip file was saved or loaded
    // ---- end of start-up and shutdown -----------------------------------

public:
    // ---- window structure (TForm1.cpp) ------------------------------------
    QMenuBar* MainMenu1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    QAction* Aktualisieren1 = nullptr;
    QAction* Berechnen1 = nullptr;
    QAction* Tipps1 = nullptr;         // submenu: the tip file's two commands
    QAction* Tippspeichern1 = nullptr; // Ctrl+S, as SpeedButton15
    QAction* Tippladen1 = nullptr;     // Ctrl+O, as SpeedButton16
    QAction* SpracheLanguageLangue1 = nullptr;
    QAction* Deutsch1 = nullptr; // language items, in menu order
    QAction* Englisch1 = nullptr;
    QAction* Franzsisch1 = nullptr;
    QAction* Spanisch1 = nullptr;
    QAction* Trkisch1 = nullptr;
    QAction* Russisch1 = nullptr;
    QAction* Polnisch1 = nullptr;
    QAction* schechisch1 = nullptr;
    QAction* Niederlndisch1 = nullptr;
    QAction* Hilfe1 = nullptr;
    QAction* Dokumentationanzeigen1 = nullptr;
    QAction* Schlieen1 = nullptr;

    LottotippPage* lottotippPage() const { return lottotipp_; }
    BerechnungPage* berechnungPage() const { return berechnung_; }
    DiagrammPage* diagrammPage() const { return diagramm_; }
    DatenbankPage* datenbankPage() const { return datenbank_; }
    InternetPage* internetPage() const { return internet_; }
    SystemPage* systemPage() const { return system_; }
    TipBoard* tipBoard() const;
    Chart1* chart() const;
    RadioGroup* radioGroup3() const { return radioGroup3_; } // "wie oft", hidden tab
    RadioGroup* radioGroup4() const { return radioGroup4_; } // "ausstehend", hidden tab
    TForm3* form3() const { return form3_; }
    TForm6* form6() const { return form6_; }

    // Status bar: panel 0 for download progress, panel 1 for hints and progress.
    void setStatusPanel(int index, const QString& text);
    // A text made from the text table: it is made again after a language
    // switch, so what the panel says follows the language.
    void setStatusPanel(int index, std::function<QString()> compose);
    QString statusPanel(int index) const;
    // A notice the user must get to read (a refusal, why a run made no
    // tips): neither progress nor hints overwrite it. It covers the panels
    // until the user's next click or key in the window, or for `timeoutMs`
    // when that is not 0.
    void showNotice(const QString& text, int timeoutMs = 0);
    QString notice() const;
    void clearNotice();

    // Factor by which the page control is drawn against its design size;
    // follows the window height (see resizeEvent).
    double scale() const { return scale_; }
    // The window height that scale belongs to: a new height rescales by
    // new / this.
    int scaledForHeight() const { return scaledForHeight_; }

    void Dokumentationanzeigen1Click();
    void Schlieen1Click();
    void FormResize(); // scales the page control with the window height
    // The run-limit spin button is about to change.
    void UpDown7Changing(int positionBefore);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildUi();
    void buildMenu();
    void buildHiddenOptionTabs();
    void showHintOf(QWidget* widget);
    // The window's own keys win over a text field's use of the same key
    // (Ctrl+A selects the field's text otherwise).
    bool claimsKey(const QKeyEvent& key) const;
    void applyScale(double scale);

    Services services_;
    std::unique_ptr<Shell> shell_;
    qint64 damagedSaid_ = 0;        // damaged records last reported in status panel 0
    LottotippPage* lottotipp_ = nullptr;
    BerechnungPage* berechnung_ = nullptr;
    DiagrammPage* diagramm_ = nullptr;
    DatenbankPage* datenbank_ = nullptr;
    InternetPage* internet_ = nullptr;
    SystemPage* system_ = nullptr;
    RadioGroup* radioGroup3_ = nullptr;
    RadioGroup* radioGroup4_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm6* form6_ = nullptr;
    std::array<StatusPanel*, 2> statusPanels_{};
    std::array<std::function<QString()>, 2> statusSources_{}; // empty: a fixed text
    void showStatusAgain();
    double scale_ = 1.0;
    int scaledForHeight_ = 0;
    Session session_;
    std::optional<Draw> shownDraw_; // the draw the draw lines show
    bool shownFirstRecord_ = false; // it is the file's first record
};
