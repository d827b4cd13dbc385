#include "app/TForm1.h"

#include "paths/DeliveredFiles.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/InternetPage.h"
#include "app/pages/SystemPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "platform/RadioGroup.h"
#include "platform/Shell.h"
#include "platform/StatusPanel.h"
#include "text/UiText.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int designPixelSize = 13;
const char* const designPixelSizeProperty = "designPixelSize";

} // namespace

TForm1::TForm1(const AppPaths& paths, const Services& services, QWidget* parent)
    : QMainWindow(parent), Home(paths.home), ProgramDir(paths.programDir), executableDir_(paths.executableDir),
      services_(services),
      shell_(std::make_unique<ReportingShell>(*services.shell, *services.dialogs, this))
{
    setObjectName(QStringLiteral("Form1"));
    // The controls start German, whatever language an earlier window left.
    UiText::install(textTable);
    buildUi();
    connectLanguage();
    connectTipBoard();
    connectStats();
    connectCommands();
    connectTicket();
    connectSystems();
    connect(berechnungPage(), &BerechnungPage::runLimitChanging, this, &TForm1::UpDown7Changing);
    connectShell();
    // Hints follow the mouse over every control of this window, including
    // controls a page creates later.
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    // Closing moves the focus out of a tip cell after this part of the
    // window is gone; its rating must not run then.
    tipBoard()->disconnect(this);
}

void TForm1::buildUi()
{
    QFont designFont(QStringLiteral("Arial"));
    designFont.setPixelSize(designPixelSize);
    setFont(designFont);
    // Menus, dialogs and message boxes are windows of their own and take the
    // application's font, not this window's: one family everywhere.
    QApplication::setFont(designFont);

    buildMenu();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);

    // Pages are created with the page control's stack as parent so every
    // control is a child from the start, in the order it was made.
    QWidget* stack = PageControl1->findChild<QWidget*>(QStringLiteral("qt_tabwidget_stackedwidget"));
    lottotipp_ = new LottotippPage(stack);
    PageControl1->addTab(lottotipp_, QStringLiteral("Lottotipp"));
    berechnung_ = new BerechnungPage(stack);
    berechnung_->setObjectName(QStringLiteral("TabSheet6"));
    PageControl1->addTab(berechnung_, QStringLiteral("Berechnung"));
    diagramm_ = new DiagrammPage(stack);
    PageControl1->addTab(diagramm_, QStringLiteral("Diagramm"));
    datenbank_ = new DatenbankPage(stack);
    PageControl1->addTab(datenbank_, QStringLiteral("Datenbank"));
    internet_ = new InternetPage(stack);
    PageControl1->addTab(internet_, QStringLiteral("Internet-Optionen"));
    buildHiddenOptionTabs();
    // Last, so the index of every earlier tab stays what it was.
    system_ = new SystemPage(stack);
    PageControl1->addTab(system_, QStringLiteral("System"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (auto& panel : statusPanels_)
        panel = new StatusPanel(StatusBar1);
    statusPanels_[0]->setBaseWidth(150);
    StatusBar1->addWidget(statusPanels_[0]);
    StatusBar1->addWidget(statusPanels_[1], 1);
    setStatusBar(StatusBar1);

    // The dialogs come last: lookups by name from the window then find the
    // window's own controls before the dialogs' controls of the same name.
    form3_ = new TForm3(this);
    form3()->setDialogs(services_.dialogs);
    form6_ = new TForm6(this);
    form6()->setDialogs(services_.dialogs);
    form6()->setDirectory(Home);

    // The pages grow with the scale, and so would the window's minimum size:
    // a window made taller could then never be made smaller again. The floor
    // stays at what the pages need at their design size (see resizeEvent).
    PageControl1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    PageControl1->setMinimumSize(PageControl1->minimumSizeHint());
    resize(560, 460);
}

void TForm1::buildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    // Actions belong to the window itself, not to the popup menus, so that
    // they are visited with the window's other controls.
    const auto action = [this](const char* name, const QString& caption) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        return a;
    };

    Aktualisieren1 = action("Aktualisieren1", QStringLiteral("&Aktualisieren"));
    // F5 is the usual key for fetching anew.
    Aktualisieren1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::Key_F5)});
    MainMenu1->addAction(Aktualisieren1);

    Berechnen1 = action("Berechnen1", QStringLiteral("&Berechnen"));
    MainMenu1->addAction(Berechnen1);

    // The tip file's commands have keys; a menu is where the user sees them.
    Tipps1 = action("Tipps1", QStringLiteral("&Tipps"));
    auto* tips = new QMenu(this);
    Tipps1->setMenu(tips);
    MainMenu1->addAction(Tipps1);
    Tippspeichern1 = action("Tippspeichern1", QStringLiteral("Tipps &speichern…"));
    Tippspeichern1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    tips->addAction(Tippspeichern1);
    Tippladen1 = action("Tippladen1", QStringLiteral("Tipps &laden…"));
    Tippladen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    tips->addAction(Tippladen1);

    SpracheLanguageLangue1 = action("SpracheLanguageLangue1", QStringLiteral("Sprache/Language/Langue"));
    auto* languages = new QMenu(this);
    SpracheLanguageLangue1->setMenu(languages);
    MainMenu1->addAction(SpracheLanguageLangue1);
    // Each language is named in its own language, so it can be found from any.
    const struct {
        const char* name;
        const char* caption;
        QAction* TForm1::*field;
    } languageItems[] = {
        {"Deutsch1", "Deutsch", &TForm1::Deutsch1},
        {"Englisch1", "English", &TForm1::Englisch1},
        {"Franzsisch1", "Français", &TForm1::Franzsisch1},
        {"Spanisch1", "Español", &TForm1::Spanisch1},
        {"Trkisch1", "Türkçe", &TForm1::Trkisch1},
        {"Russisch1", "Русский", &TForm1::Russisch1},
        {"Polnisch1", "Polski", &TForm1::Polnisch1},
        {"schechisch1", "Čeština", &TForm1::schechisch1},
        {"Niederlndisch1", "Nederlands", &TForm1::Niederlndisch1},
    };
    for (const auto& item : languageItems) {
        QAction* a = action(item.name, QString::fromUtf8(item.caption));
        a->setCheckable(true);
        languages->addAction(a);
        this->*item.field = a;
    }

    Hilfe1 = action("Hilfe1", QStringLiteral("Hilfe"));
    auto* help = new QMenu(this);
    Hilfe1->setMenu(help);
    MainMenu1->addAction(Hilfe1);
    Dokumentationanzeigen1 = action("Dokumentationanzeigen1", QStringLiteral("Dokumentation anzeigen"));
    Dokumentationanzeigen1->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(Dokumentationanzeigen1);

    Schlieen1 = action("Schlieen1", QStringLiteral("S&chließen"));
    MainMenu1->addAction(Schlieen1);
}

void TForm1::buildHiddenOptionTabs()
{
    // Two switches the language files still address; their tabs are not shown.
    const QStringList items{QStringLiteral("Lottozahlen"), QStringLiteral("Superzahl")};
    QWidget* stack = PageControl1->findChild<QWidget*>(QStringLiteral("qt_tabwidget_stackedwidget"));

    auto* howOften = new QWidget(stack);
    howOften->setObjectName(QStringLiteral("TabSheet2"));
    auto* howOftenLayout = new QVBoxLayout(howOften);
    radioGroup3_ = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("wie oft"), items, 0,
                                  howOften);
    howOftenLayout->addWidget(radioGroup3_);
    howOftenLayout->addStretch(1);
    // Ctrl+Tab passes over disabled tabs only, not over hidden ones; the
    // pages themselves stay enabled.
    const auto hide = [this](int tab) {
        PageControl1->setTabVisible(tab, false);
        PageControl1->tabBar()->setTabEnabled(tab, false);
    };
    hide(PageControl1->addTab(howOften, QStringLiteral("Wie oft")));

    auto* overdue = new QWidget(stack);
    overdue->setObjectName(QStringLiteral("TabSheet11"));
    auto* overdueLayout = new QVBoxLayout(overdue);
    radioGroup4_ = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("ausstehend"), items,
                                  0, overdue);
    overdueLayout->addWidget(radioGroup4_);
    overdueLayout->addStretch(1);
    hide(PageControl1->addTab(overdue, QStringLiteral("Ausstehend")));
}

TipBoard* TForm1::tipBoard() const
{
    return lottotipp_->tipBoard();
}

Chart1* TForm1::chart() const
{
    return diagramm_->chart();
}

void TForm1::setStatusPanel(int index, const QString& text)
{
    if (index >= 0 && index < int(statusPanels_.size())) {
        statusSources_[index] = nullptr;
        statusPanels_[index]->setText(text);
    }
}

void TForm1::setStatusPanel(int index, std::function<QString()> compose)
{
    if (index >= 0 && index < int(statusPanels_.size()) && compose) {
        statusPanels_[index]->setText(compose());
        statusSources_[index] = std::move(compose);
    }
}

void TForm1::showStatusAgain()
{
    for (std::size_t i = 0; i < statusPanels_.size(); ++i)
        if (statusSources_[i])
            statusPanels_[i]->setText(statusSources_[i]());
}

QString TForm1::statusPanel(int index) const
{
    if (index >= 0 && index < int(statusPanels_.size()))
        return statusPanels_[index]->text();
    return {};
}

void TForm1::showNotice(const QString& text, int timeoutMs)
{
    StatusBar1->showMessage(text, timeoutMs);
}

QString TForm1::notice() const
{
    return StatusBar1->currentMessage();
}

void TForm1::clearNotice()
{
    StatusBar1->clearMessage();
}

void TForm1::Dokumentationanzeigen1Click()
{
    // A copy in Home wins; after a system-wide install Home is the per-user
    // folder, which holds none, so the delivered manual opens instead.
    shell().openFile(manualPath(Sprache, Home, ProgramDir));
}

void TForm1::showHintOf(QWidget* widget)
{
    // The hint belongs to the control, not to the unnamed parts Qt builds
    // inside it (a date field's text field, a chart's viewport).
    while (widget && widget != this
           && (widget->objectName().isEmpty()
               || widget->objectName().startsWith(QLatin1String("qt_"))))
        widget = widget->parentWidget();
    if (!widget || widget == this) {
        setStatusPanel(1, QString());
        return;
    }
    setStatusPanel(1, [hinted = QPointer<QWidget>(widget)] { return hinted ? hinted->toolTip() : QString(); });
}

bool TForm1::claimsKey(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : {Aktualisieren1, Tippspeichern1, Tippladen1, Dokumentationanzeigen1}) {
        if (action->isEnabled() && action->shortcuts().contains(pressed))
            return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this
        && claimsKey(*static_cast<QKeyEvent*>(event))) {
        // Not overridden: the key goes on to the window's shortcut.
        event->ignore();
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this && !notice().isEmpty())
        clearNotice(); // the user has moved on
    if ((type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::Leave)
        && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget != this && widget->window() == this) {
            // Leaving a control puts the mouse over its parent, unless the
            // Enter of a neighbour follows and overrides this.
            showHintOf(type == QEvent::Leave ? widget->parentWidget() : widget);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    // Only now is the style applied, so only now is the hint exact.
    if (scale_ == 1.0 && PageControl1->minimumSize() != PageControl1->minimumSizeHint())
        PageControl1->setMinimumSize(PageControl1->minimumSizeHint());
    const int newHeight = size().height();
    if (scaledForHeight_ > 0 && newHeight != scaledForHeight_)
        applyScale(scale_ * double(newHeight) / double(scaledForHeight_));
    scaledForHeight_ = newHeight;
}

void TForm1::applyScale(double scale)
{
    scale_ = scale;
    QFont font = PageControl1->font();
    font.setPixelSize(std::max(1, int(std::lround(designPixelSize * scale_))));
    PageControl1->setFont(font);
    // Controls with a font size of their own keep it in proportion.
    for (QWidget* widget : PageControl1->findChildren<QWidget*>()) {
        const QVariant design = widget->property(designPixelSizeProperty);
        if (!design.isValid())
            continue;
        QFont own = widget->font();
        own.setPixelSize(std::max(1, int(std::lround(design.toInt() * scale_))));
        widget->setFont(own);
    }
}

void TForm1::Schlieen1Click()
{
    close(); // runs the save sequence through closeEvent
}

void TForm1::UpDown7Changing(int positionBefore)
{
    session_.runLimit = positionBefore * 1000;
}
