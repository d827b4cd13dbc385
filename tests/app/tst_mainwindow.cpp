#include "WindowFixture.h"
#include "app/dialogs/TForm3.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "platform/RadioGroup.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class MainWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void tabsInOrder();
    void controlDefaults_data();
    void controlDefaults();
    void menuInOrder();
    void manualOpensFromHomeElseDelivered_data();
    void manualOpensFromHomeElseDelivered();
    void manualFollowsTheLanguage_data();
    void manualFollowsTheLanguage();
    void controlNamesAreUnique();
    void hintGoesToStatusPanel();
    void hintPanelClearedOverControlWithoutHint();
    void designSizeFitsEveryPage();
    void heightChangeScalesThePages();
    void closeMenuItemClosesTheWindow();
    void longStatusTextKeepsWindowSize();
    void statusPanelZeroWidensForAProgressLine();
    void dialogsAndMenusShareTheWindowFont();
    void dialogsHaveOwnTitleAndNoMaximize_data();
    void dialogsHaveOwnTitleAndNoMaximize();
    void unopenableFileIsNamedToUser_data();
    void unopenableFileIsNamedToUser();
    void keysWorkFromAnyField_data();
    void keysWorkFromAnyField();
    void ctrlTabPassesOverHiddenPages_data();
    void ctrlTabPassesOverHiddenPages();
};

void MainWindowTest::init()
{
    QVERIFY(setUp());
    window_ = makeWindow();
}

void MainWindowTest::cleanup()
{
    tearDown();
}

void MainWindowTest::tabsInOrder()
{
    QTabWidget* tabs = window_->PageControl1;
    QCOMPARE(tabs->objectName(), QStringLiteral("PageControl1"));
    QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window_->font().pixelSize(), 13);

    const QList<QPair<QString, QString>> shown{
        {"TabSheet1", "Lottotipp"}, {"TabSheet6", "Berechnung"}, {"TabSheet5", "Diagramm"},
        {"TabSheet4", "Datenbank"}, {"TabSheet3", "Internet-Optionen"}, {"TabSheet13", "System"}};
    QList<QPair<QString, QString>> visible;
    QStringList hidden;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->isTabVisible(i))
            visible.append({tabs->widget(i)->objectName(), tabs->tabText(i)});
        else
            hidden << tabs->widget(i)->objectName();
    }
    QCOMPARE(visible, shown);
    QCOMPARE(tabs->currentIndex(), 0);

    // The option groups on the hidden pages take the same items from one file.
    for (RadioGroup* group : {window_->radioGroup3(), window_->radioGroup4()}) {
        QVERIFY(group);
        QVERIFY(hidden.contains(group->parentWidget()->objectName()));
        QCOMPARE(group->items().size(), 2);
        QCOMPARE(group->itemIndex(), 0);
    }
    QCOMPARE(window_->radioGroup3()->items(), window_->radioGroup4()->items());
}

void MainWindowTest::controlDefaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    const auto row = [](const char* name, const char* property, const QVariant& expected) {
        QTest::addRow("%s.%s", name, property)
            << QString::fromUtf8(name) << QByteArray(property) << expected;
    };
    const QString endDateHint = QStringLiteral(
        "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht "
        "berücksichtigt");
    const QDate earliest(1994, 11, 19);

    // Lottotipp
    row("SpeedButton11", "toolTip", QStringLiteral("Löschen aller Tipps"));
    row("SpeedButton15", "toolTip", QStringLiteral("Speichern des Tipps"));
    row("SpeedButton16", "toolTip", QStringLiteral("Tipp laden aus Datei"));
    row("SpeedButton4", "text", QStringLiteral("Tipps in DB suchen"));
    row("SpeedButton4", "toolTip",
        QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"));
    row("Button6", "text", QStringLiteral("Tippverteilung"));
    row("BitBtn7", "text", QStringLiteral("Tipp"));
    row("SpeedButton13", "text", QStringLiteral("Glückszahl setzen"));
    row("BitBtn4", "text", QStringLiteral("Tipps &berechnen"));
    row("UpDown8", "value", 12);
    row("UpDown8", "minimum", 1);
    row("UpDown8", "maximum", 12);
    row("Edit80", "text", QStringLiteral("12"));
    row("SpeedButton6", "toolTip", QStringLiteral("vorhergehende Ziehung anzeigen"));
    row("SpeedButton7", "toolTip", QStringLiteral("nächste Ziehung anzeigen"));
    row("Label13", "text", QStringLiteral("QS: "));
    row("Label28", "text", QStringLiteral("1. Tipp"));
    row("Label64", "text", QStringLiteral("12. Tipp"));
    row("Memo2", "hidden", true);
    row("RichEdit1", "hidden", true);
    // Diagramm
    row("DateTimePicker2", "date", QDate(2015, 10, 7));
    row("DateTimePicker2", "minimumDate", earliest);
    row("DateTimePicker2", "displayFormat", QStringLiteral("dd.MM.yyyy"));
    row("DateTimePicker2", "calendarPopup", true);
    row("DateTimePicker2", "toolTip", endDateHint);
    row("SpeedButton200", "toolTip", QStringLiteral("Verteilung der gezogenen Zahlen"));
    row("SpeedButton9", "text", QStringLiteral("Ausstehende"));
    row("SpeedButton900", "text", QStringLiteral("QS"));
    row("SpeedButton1", "text", QStringLiteral("2er"));
    row("SpeedButton3", "text", QStringLiteral("3er"));
    row("SpeedButton2", "text", QStringLiteral("4er"));
    // Datenbank
    row("DateTimePicker1", "minimumDate", earliest);
    row("DateTimePicker1", "toolTip", endDateHint);
    row("BitBtn1", "text", QStringLiteral("&Datenbank aktualisieren"));
    row("SpeedButton8", "toolTip", QStringLiteral("Stoppt das Einlesen"));
    row("SpeedButton8", "hidden", true);
    row("SpeedButton5", "toolTip",
        QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));
    row("BitBtn6", "text", QStringLiteral("Löschen"));
    row("BitBtn6", "toolTip", QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
    row("BitBtn8", "text", QStringLiteral("Eingeben"));
    row("BitBtn8", "toolTip", QStringLiteral("manuelle eingaben der Ziehungsdaten."));
    row("BitBtn9", "text",
        QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
    row("BitBtn19", "text",
        QStringLiteral("Historische Analyse beginnend mit dem oben gewähltem Datum"));
    row("BitBtn19", "toolTip",
        QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum"));
    row("Button5", "text", QStringLiteral("Ausstehende"));
    row("Button8", "text", QStringLiteral("Superzahl ausstehende"));
    row("Button2", "text", QStringLiteral("Paare suchen"));
    row("Button3", "text", QStringLiteral("Dreier suchen"));
    row("Button4", "text", QStringLiteral("Vierer suchen"));
    row("Button9", "text", QStringLiteral("Primzahlen pro Tipp"));
    row("Button10", "text", QStringLiteral("Ungerade pro Tipp"));
    row("Button11", "text", QStringLiteral("Gerade pro Tipp"));
    row("CheckBox31", "text", QStringLiteral("Neuberechnung  nur wenn ein 3er erzielt wurde"));
    row("CheckBox16", "text", QStringLiteral("Samstag Ziehungen"));
    row("CheckBox16", "toolTip", QStringLiteral("Ziehungsdaten der Samstags Ziehungen verwenden"));
    row("CheckBox16", "checked", true);
    row("CheckBox16", "hidden", true);
    row("CheckBox17", "text", QStringLiteral("Mittwoch Ziehungen"));
    row("CheckBox17", "toolTip", QStringLiteral("Ziehungsdaten der Mittwochs Ziehungen verwenden"));
    row("CheckBox17", "checked", true);
    row("CheckBox17", "hidden", true);
    row("Memo1", "hidden", true);
    // Internet-Optionen
    row("Label53", "text", QStringLiteral("Proxy-Server"));
    row("Label55", "text", QStringLiteral("Proxy-Port"));
    row("ProxyHostEdit", "text", QString());
    row("ProxyPortEdit", "text", QStringLiteral("80"));
    row("Label57", "text", QStringLiteral("Bearbeitunggebühr bei Ihrer Landeslotterie:"));
    row("Label58", "text", QStringLiteral("Für eine Ziehung:"));
    row("Edit81", "text", QStringLiteral("0,50"));
    row("Label59", "text", QStringLiteral("Für eine Sa und Mi. Ziehung:"));
    row("Edit82", "text", QStringLiteral("1,00"));
    row("CheckBox32", "text",
        QStringLiteral("Ich spiele nur Samstags (Samstag bei Abgabe  vordefiniert)"));
    row("URLEdit", "hidden", true);
    row("CheckBox21", "hidden", true);
    // Menu
    row("Aktualisieren1", "text", QStringLiteral("&Aktualisieren"));
    row("Aktualisieren1", "shortcut", QKeySequence(Qt::CTRL | Qt::Key_A));
    row("Berechnen1", "text", QStringLiteral("&Berechnen"));
    row("SpracheLanguageLangue1", "text", QStringLiteral("Sprache/Language/Langue"));
    row("Hilfe1", "text", QStringLiteral("Hilfe"));
    row("Dokumentationanzeigen1", "text", QStringLiteral("Dokumentation anzeigen"));
    row("Schlieen1", "text", QStringLiteral("S&chließen"));
}

void MainWindowTest::controlDefaults()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    QObject* object = window_->findChild<QObject*>(name);
    QVERIFY2(object, qPrintable(name));
    if (property == "hidden") {
        QVERIFY(object->isWidgetType());
        QCOMPARE(static_cast<QWidget*>(object)->isHidden(), expected.toBool());
        return;
    }
    const QVariant actual = object->property(property.constData());
    QVERIFY2(actual.isValid(), property.constData());
    QCOMPARE(actual, expected);
}

void MainWindowTest::menuInOrder()
{
    QMenuBar* menu = window_->MainMenu1;
    QCOMPARE(menu->objectName(), QStringLiteral("MainMenu1"));
    QStringList top;
    for (QAction* action : menu->actions())
        top << action->objectName();
    QCOMPARE(top, QStringList({"Aktualisieren1", "Berechnen1", "Tipps1", "SpracheLanguageLangue1",
                               "Hilfe1", "Schlieen1"}));
    // Items in a menu show their keys.
    QCOMPARE(window_->Tipps1->menu()->actions(),
             (QList<QAction*>{window_->Tippspeichern1, window_->Tippladen1}));
    QCOMPARE(window_->Tippspeichern1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(window_->Tippladen1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(window_->Dokumentationanzeigen1->shortcut(), QKeySequence(Qt::Key_F1));

    QStringList names, captions;
    for (QAction* action : window_->SpracheLanguageLangue1->menu()->actions()) {
        names << action->objectName();
        captions << action->text();
        QVERIFY(action->isCheckable());
        QVERIFY2(!action->isChecked(), "no language is checked before one is applied");
        // Owned by the window, so they are visited with its other controls.
        QCOMPARE(action->parent(), window_.get());
    }
    QCOMPARE(names, QStringList({"Deutsch1", "Englisch1", "Franzsisch1", "Spanisch1", "Trkisch1",
                                 "Russisch1", "Polnisch1", "schechisch1", "Niederlndisch1"}));
    // Each in its own language, so a user finds theirs from any other.
    QCOMPARE(captions, QStringList({"Deutsch", "English", "Français", "Español", "Türkçe", "Русский", "Polski",
                                    "Čeština", "Nederlands"}));
    QCOMPARE(window_->Hilfe1->menu()->actions(), QList<QAction*>{window_->Dokumentationanzeigen1});
}

void MainWindowTest::manualOpensFromHomeElseDelivered_data()
{
    QTest::addColumn<bool>("inHome");
    QTest::addColumn<bool>("delivered");
    QTest::addColumn<QString>("opened"); // folder of the file the shell is asked to open

    QTest::newRow("copy in home") << true << false << "home";
    QTest::newRow("both: home wins") << true << true << "home";
    // After a system-wide install the per-user home never holds the manual.
    QTest::newRow("only delivered") << false << true << "program";
    QTest::newRow("none: named in home") << false << false << "home";
}

void MainWindowTest::manualOpensFromHomeElseDelivered()
{
    QFETCH(bool, inHome);
    QFETCH(bool, delivered);
    QFETCH(QString, opened);

    QVERIFY(setUp(Folders::Separate));
    window_ = makeWindow();
    const QString name = QStringLiteral("Numerant.pdf");
    for (auto [wanted, folder] : {std::pair{inHome, home_}, std::pair{delivered, programDir_}}) {
        QFile file(folder + name);
        QVERIFY(!wanted || file.open(QIODevice::WriteOnly));
    }

    window_->Dokumentationanzeigen1->trigger();
    const QString path = dir_->filePath(opened + u'/' + name);
    if (inHome || delivered) {
        QCOMPARE(shell_.openedFiles, QStringList{path});
        QVERIFY(dialogs_.errors.isEmpty());
    } else {
        // Nothing to hand to the desktop: the user is told where it was looked for.
        QVERIFY(shell_.openedFiles.isEmpty());
        QCOMPARE(dialogs_.errors.size(), 1);
        QVERIFY(dialogs_.errors.first().contains(QDir::toNativeSeparators(path)));
    }
}

void MainWindowTest::manualFollowsTheLanguage_data()
{
    QTest::addColumn<int>("sprache");
    QTest::addColumn<bool>("englishDelivered");
    QTest::addColumn<QString>("opened");
    QTest::newRow("German") << 0 << true << "Numerant.pdf";
    QTest::newRow("English") << 1 << true << "Numerant-en.pdf";
    QTest::newRow("English, not delivered") << 1 << false << "Numerant.pdf";
    // The other languages have no manual of their own yet.
    QTest::newRow("French") << 2 << true << "Numerant.pdf";
}

void MainWindowTest::manualFollowsTheLanguage()
{
    QFETCH(int, sprache);
    QFETCH(bool, englishDelivered);
    QFETCH(QString, opened);

    QVERIFY(setUp(Folders::Separate));
    window_ = makeWindow();
    for (const QString& name : {QStringLiteral("Numerant.pdf"), QStringLiteral("Numerant-en.pdf")}) {
        if (name.contains(QLatin1String("-en")) && !englishDelivered)
            continue;
        QFile file(programDir_ + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    window_->Sprache = sprache;
    window_->Dokumentationanzeigen1->trigger();
    QCOMPARE(shell_.openedFiles, QStringList{programDir_ + opened});
    QVERIFY(dialogs_.errors.isEmpty());
}

void MainWindowTest::controlNamesAreUnique()
{
    // Settings and language files find a control by its name within the
    // window; two controls of one name would make one of them unreachable.
    QHash<QString, int> seen;
    std::function<void(QObject*)> visit = [&](QObject* parent) {
        for (QObject* child : parent->children()) {
            if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
                continue; // a dialog has its own names
            if (qobject_cast<QTabBar*>(parent))
                continue; // Qt's own scroll buttons
            const QString name = child->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                ++seen[name];
            visit(child);
        }
    };
    visit(window_.get());
    QStringList twice;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        if (it.value() > 1)
            twice << it.key();
    }
    twice.sort();
    QVERIFY2(twice.isEmpty(), qPrintable(QStringLiteral("used twice: ") + twice.join(u' ')));
    QCOMPARE(seen.value(QStringLiteral("Edit79")), 1);
}

void MainWindowTest::hintGoesToStatusPanel()
{
    showWindow();
    QWidget* label = window_->findChild<QLabel*>(QStringLiteral("Label30"));
    QWidget* search = window_->findChild<QWidget*>(QStringLiteral("SpeedButton4"));
    QVERIFY(label && search);
    const QString progress = window_->statusPanel(0); // the start-up's update note

    QTest::mouseMove(label);
    QTRY_COMPARE(window_->statusPanel(1),
                 QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
    QTest::mouseMove(search);
    QTRY_COMPARE(window_->statusPanel(1), search->toolTip());
    QCOMPARE(window_->statusPanel(0), progress);
}

void MainWindowTest::hintPanelClearedOverControlWithoutHint()
{
    showWindow();
    QWidget* search = window_->findChild<QWidget*>(QStringLiteral("SpeedButton4"));
    QWidget* cell = window_->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QVERIFY(search && cell && cell->toolTip().isEmpty());

    QTest::mouseMove(search);
    QTRY_VERIFY(!window_->statusPanel(1).isEmpty());
    QTest::mouseMove(cell);
    QTRY_COMPARE(window_->statusPanel(1), QString());
}

void MainWindowTest::designSizeFitsEveryPage()
{
    showWindow();
    QCOMPARE(window_->size(), QSize(560, 460));
    // The page stack sizes only the page in front; the others keep a stale
    // size until shown, so every page is measured against the front one.
    const QSize area = window_->PageControl1->currentWidget()->size();
    for (int i = 0; i < window_->PageControl1->count(); ++i) {
        QWidget* page = window_->PageControl1->widget(i);
        QVERIFY2(page->minimumSizeHint().width() <= area.width(), qPrintable(page->objectName()));
        QVERIFY2(page->minimumSizeHint().height() <= area.height(), qPrintable(page->objectName()));
    }
}

void MainWindowTest::heightChangeScalesThePages()
{
    showWindow();
    QCOMPARE(window_->height(), 460);
    QCOMPARE(window_->scaledForHeight(), 460);
    QLineEdit* cell = window_->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QWidget* banner = window_->findChild<QLabel*>(QStringLiteral("Label43"));
    const int bannerPixels = banner->font().pixelSize();
    const int cellWidth = cell->width();

    const int width = window_->width();
    window_->resize(width, 690);
    QTRY_COMPARE(window_->height(), 690);
    QCOMPARE(window_->scale(), 1.5);
    QCOMPARE(window_->scaledForHeight(), 690);
    QCOMPARE(window_->PageControl1->font().pixelSize(), 20); // 13 × 1.5, rounded
    // Controls with a font attribute of their own (bold, underlined) scale too.
    for (const char* name : {"Edit1", "Label35", "Label29", "Label52", "BitBtn9", "Label13"}) {
        auto* widget = window_->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(widget && widget->font().pixelSize() == 20, name);
    }
    QCOMPARE(banner->font().pixelSize(), qRound(bannerPixels * 1.5));
    QTRY_VERIFY(cell->width() > cellWidth);

    const int wider = window_->width() + 100;
    window_->resize(wider, 690);
    QTRY_COMPARE(window_->width(), wider);
    QCOMPARE(window_->scale(), 1.5);
    QCOMPARE(cell->font().pixelSize(), 20);

    // Back to the design height is back to the design size.
    window_->resize(wider, 460);
    QTRY_COMPARE(window_->height(), 460);
    QCOMPARE(window_->scale(), 1.0);
    QCOMPARE(cell->font().pixelSize(), 13);
}

void MainWindowTest::closeMenuItemClosesTheWindow()
{
    showWindow();
    window_->Schlieen1->trigger();
    QTRY_VERIFY(!window_->isVisible());
}

void MainWindowTest::longStatusTextKeepsWindowSize()
{
    showWindow();
    const QSize before = window_->size();
    const QString hint = window_->findChild<QWidget*>(QStringLiteral("Tipp1Edit"))->toolTip();
    QVERIFY(!hint.isEmpty());
    window_->setStatusPanel(1, hint.repeated(4));
    window_->setStatusPanel(0, hint);
    QTest::qWait(50);
    QCOMPARE(window_->size(), before);
    QVERIFY(window_->minimumSizeHint().width() <= before.width());
    // The whole text is still there, for the tooltip and for readers.
    QCOMPARE(window_->statusPanel(1), hint.repeated(4));
}

void MainWindowTest::statusPanelZeroWidensForAProgressLine()
{
    showWindow();
    const QSize before = window_->size();
    auto* bar = window_->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    QWidget* panel = bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).value(0);
    QVERIFY(panel);
    const auto settle = [] { QTest::qWait(50); };

    window_->setStatusPanel(0, QStringLiteral("OK"));
    settle();
    QCOMPARE(panel->width(), 150);

    // A run's progress is read whole, not cut after the date.
    const QString progress = QStringLiteral("Durchgang 1234: 23.01.2021 (87 %)");
    window_->setStatusPanel(0, progress);
    settle();
    QVERIFY2(panel->width() > panel->fontMetrics().horizontalAdvance(progress),
             qPrintable(QString::number(panel->width())));

    // A very long text takes at most half of the bar; the window keeps its size.
    window_->setStatusPanel(0, progress.repeated(10));
    settle();
    QVERIFY(panel->width() <= bar->width() / 2);
    QCOMPARE(window_->size(), before);

    window_->setStatusPanel(0, QString());
    settle();
    QCOMPARE(panel->width(), 150);
}

void MainWindowTest::dialogsAndMenusShareTheWindowFont()
{
    // Menus and dialogs are windows of their own: they take the application font.
    const QString family = window_->font().family();
    QCOMPARE(QApplication::font().family(), family);
    QCOMPARE(window_->form3()->font().family(), family);
    QCOMPARE(window_->SpracheLanguageLangue1->menu()->font().family(), family);
}

void MainWindowTest::dialogsHaveOwnTitleAndNoMaximize_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::newRow("draw entry") << "Form3" << "Zahlen der Ziehung eingeben";
    QTest::newRow("weighting") << "Form6" << "Welche Zahlen für die Berechnung";
}

void MainWindowTest::dialogsHaveOwnTitleAndNoMaximize()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    auto* found = window_->findChild<QDialog*>(dialog);
    QVERIFY(found);
    QCOMPARE(found->windowTitle(), title);
    QVERIFY(QApplication::applicationDisplayName() == QApplication::applicationName());
    QVERIFY(!found->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(found->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

void MainWindowTest::unopenableFileIsNamedToUser_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("desktopOpens");
    QTest::addColumn<bool>("told");
    QTest::newRow("opened") << true << true << false;
    QTest::newRow("no program for it") << true << false << true;
}

void MainWindowTest::unopenableFileIsNamedToUser()
{
    QFETCH(bool, fileExists);
    QFETCH(bool, desktopOpens);
    QFETCH(bool, told);
    const QString manual = programDir_ + QStringLiteral("Numerant.pdf");
    if (fileExists) {
        QFile file(manual);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    shell_.succeeds = desktopOpens;

    window_->Dokumentationanzeigen1->trigger();

    QCOMPARE(dialogs_.errors.size(), told ? 1 : 0);
    if (told)
        QVERIFY2(dialogs_.errors.first().contains(QDir::toNativeSeparators(manual)),
                 qPrintable(dialogs_.errors.first()));
}

void MainWindowTest::keysWorkFromAnyField_data()
{
    QTest::addColumn<QString>("field");  // has the focus
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("action"); // triggered by the key

    // A text field would take Ctrl+A for itself (select all).
    const QKeySequence ctrlA(Qt::CTRL | Qt::Key_A);
    const QKeySequence f5(Qt::Key_F5);
    QTest::newRow("Ctrl+A in a tip cell") << "Edit1" << ctrlA << "Aktualisieren1";
    QTest::newRow("Ctrl+A in the date field") << "DateTimePicker1" << ctrlA << "Aktualisieren1";
    QTest::newRow("Ctrl+A in a parameter") << "Edit80" << ctrlA << "Aktualisieren1";
    QTest::newRow("F5 in a tip cell") << "Edit1" << f5 << "Aktualisieren1";
    QTest::newRow("F5 in the proxy field") << "ProxyHostEdit" << f5 << "Aktualisieren1";
    QTest::newRow("Ctrl+S in a tip cell") << "Edit1" << QKeySequence(Qt::CTRL | Qt::Key_S)
                                          << "Tippspeichern1";
    QTest::newRow("Ctrl+O in the date field") << "DateTimePicker1" << QKeySequence(Qt::CTRL | Qt::Key_O)
                                              << "Tippladen1";
    QTest::newRow("F1 in a tip cell") << "Edit1" << QKeySequence(Qt::Key_F1)
                                      << "Dokumentationanzeigen1";
}

void MainWindowTest::keysWorkFromAnyField()
{
    QFETCH(QString, field);
    QFETCH(QKeySequence, key);
    QFETCH(QString, action);

    showWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* widget = window_->findChild<QWidget*>(field);
    auto* triggered = window_->findChild<QAction*>(action);
    QVERIFY(widget && triggered);
    for (QWidget* page = widget; page; page = page->parentWidget())
        if (window_->PageControl1->indexOf(page) >= 0)
            window_->PageControl1->setCurrentWidget(page);
    widget->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(widget->hasFocus() || widget->isAncestorOf(QApplication::focusWidget()));
    int count = 0;
    QObject guard;
    connect(triggered, &QAction::triggered, &guard, [&count] { ++count; });
    for (QAction* other : window_->findChildren<QAction*>())
        if (other != triggered && !other->shortcuts().isEmpty())
            connect(other, &QAction::triggered, &guard, [other] {
                QFAIL(qPrintable(QStringLiteral("also triggered: ") + other->objectName()));
            });

    QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());

    QCOMPARE(count, 1);
}

void MainWindowTest::ctrlTabPassesOverHiddenPages_data()
{
    QTest::addColumn<QString>("pages");
    QTest::addColumn<int>("page"); // of PageControl1, where the keys start
    QTest::newRow("main tabs, from Internet-Optionen") << "PageControl1" << 4;
    QTest::newRow("inside Berechnung") << "PageControl2" << 1;
}

void MainWindowTest::ctrlTabPassesOverHiddenPages()
{
    QFETCH(QString, pages);
    QFETCH(int, page);

    showWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* tabs = window_->findChild<QTabWidget*>(pages);
    QVERIFY(tabs);
    window_->PageControl1->setCurrentIndex(page);
    // The last visible page: the next one along is hidden.
    int last = tabs->count() - 1;
    while (!tabs->isTabVisible(last))
        --last;
    tabs->setCurrentIndex(last);
    auto* start = tabs->currentWidget()->findChild<QLineEdit*>();
    QVERIFY(start);
    start->setFocus(Qt::TabFocusReason);

    // Twice round: every page reached is one the user can see.
    for (int step = 0; step < 2 * tabs->count(); ++step) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : tabs;
        QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY2(tabs->isTabVisible(tabs->currentIndex()),
                 qPrintable(tabs->currentWidget()->objectName()));
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
