#include "app/LanguageItems.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"
#include "text/LanguageItem.h"
#include "text/TextTable.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

template <typename T, typename... Args>
T* named(const char* name, Args&&... args)
{
    T* object = new T(std::forward<Args>(args)...);
    object->setObjectName(QLatin1String(name));
    return object;
}

// A miniature of the real windows: one of each kind the language files
// address, a few that they must skip, a dialog parented to the main window
// and one window owned by it.
struct Windows {
    std::unique_ptr<QMainWindow> form1{named<QMainWindow>("Form1")};
    std::unique_ptr<QDialog> form6{named<QDialog>("Form6")};
    QDialog* form3 = nullptr;

    Windows()
    {
        QMainWindow* w = form1.get();
        QMenu* language = w->menuBar()->addMenu(QStringLiteral("Sprache/Language/Langue"));
        language->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
        language->addAction(QStringLiteral("Deutsch"))->setObjectName(QStringLiteral("Deutsch1"));
        language->addSeparator()->setObjectName(QStringLiteral("N1"));
        language->addAction(QStringLiteral("unnamed"));
        w->addAction(named<QAction>("Schlieen1", QStringLiteral("S&chließen"), w));

        auto* pages = named<QTabWidget>("PageControl1", w);
        w->setCentralWidget(pages);
        auto* sheet1 = named<QWidget>("TabSheet1");
        pages->addTab(sheet1, QStringLiteral("Lottotipp"));
        named<QLabel>("Label28", QStringLiteral("1. Tipp"), sheet1)->setToolTip(QStringLiteral("Ist Tipp rot?"));
        auto* panel = named<QGroupBox>("Panel3", QStringLiteral("Berechnen"), sheet1);
        named<QPushButton>("BitBtn4", QStringLiteral("Tipps &berechnen"), panel);
        named<QToolButton>("SpeedButton13", panel)->setText(QStringLiteral("Glückszahl setzen"));
        new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit80"), 1, 12, 12, panel);
        named<QLabel>("Memo2", QString(), sheet1)->setProperty("charset", 0);

        auto* sheet2 = named<QWidget>("TabSheet6");
        pages->addTab(sheet2, QStringLiteral("Berechnung"));
        auto* plain = named<QGroupBox>("GroupBox1", QStringLiteral("not an item"), sheet2);
        named<QCheckBox>("CheckBox16", QStringLiteral("Samstag"), plain);
        new QLineEdit(plain); // unnamed: skipped
        named<QDateEdit>("DateTimePicker1", plain); // its text field is Qt's own
        new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("wie oft"),
                       {QStringLiteral("Häufig"), QStringLiteral("Selten"), QStringLiteral("Beides")}, 1, sheet2);
        named<QRadioButton>("RadioButton1", QStringLiteral("eins"), sheet2);

        form3 = named<QDialog>("Form3", w); // created by the program, visited on its own
        named<QLabel>("Label1", QStringLiteral("Datum"), form3);
        auto* owned = named<QDialog>("Hilfe", w);
        owned->setWindowTitle(QStringLiteral("Hilfe"));
        named<QLabel>("Inside", QStringLiteral("not visited"), owned);

        named<QLabel>("Label1", QStringLiteral("Gewichtung"), form6.get());
        new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("ausstehend"),
                       {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 2, form6.get());
    }

    QList<QWidget*> list() const { return {form1.get(), form3, form6.get()}; }
    template <typename T> T* find(const char* name) const
    {
        for (QWidget* window : list())
            if (T* found = window->findChild<T*>(QLatin1String(name)))
                return found;
        return nullptr;
    }
};

QString describe(const LanguageItem& item)
{
    static const char* const kinds[] = {"menu", "label", "panel", "speed", "button", "check",
                                        "radio", "tab", "group", "entry", "window"};
    return item.windowName() + u'.' + item.name() + u':' + QLatin1String(kinds[int(item.kind())]);
}

void writeLines(const QString& path, const QStringList& lines)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString& line : lines)
        file.write(line.toUtf8() + "\r\n");
}

} // namespace

class TestLanguageItems : public QObject {
    Q_OBJECT
private slots:
    void visitsNamedItemsInCreationOrder();
    void appliesToEachKind();
    void masterListRoundTrip();
    void writerRefusesBrokenRecords_data();
    void writerRefusesBrokenRecords();
};

void TestLanguageItems::visitsNamedItemsInCreationOrder()
{
    const Windows windows;
    const LanguageItems items(windows.list());
    QStringList seen;
    for (const LanguageItem* item : items.items())
        seen << describe(*item);
    QCOMPARE(seen, QStringList({
                       "Form1.SpracheLanguageLangue1:menu",
                       "Form1.Deutsch1:menu",
                       "Form1.Schlieen1:menu",
                       "Form1.TabSheet1:tab",
                       "Form1.Label28:label",
                       "Form1.Panel3:panel",
                       "Form1.BitBtn4:button",
                       "Form1.SpeedButton13:speed",
                       "Form1.Edit80:entry",
                       "Form1.Memo2:label",
                       "Form1.TabSheet6:tab",
                       "Form1.CheckBox16:check",
                       "Form1.RadioGroup3:group",
                       "Form1.RadioButton1:radio",
                       "Form1.Hilfe:window",
                       "Form3.Label1:label",
                       "Form6.Label1:label",
                       "Form6.RadioGroup4:group",
                   }));

    // Showing another tab must not change the order the files rely on.
    windows.find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    const LanguageItems again(windows.list());
    QStringList later;
    for (const LanguageItem* item : again.items())
        later << describe(*item);
    QCOMPARE(later, seen);
}

void TestLanguageItems::appliesToEachKind()
{
    const Windows windows;
    QTemporaryDir dir;
    const QString master = dir.filePath(QStringLiteral("bezeich.txt"));
    const auto record = [](const char* window, const char* name, const char* caption) {
        return QStringList{QLatin1String(window), QLatin1String(name), QString::fromUtf8(caption),
                           QString::fromUtf8(caption) + QStringLiteral(" hint"), QStringLiteral("204")};
    };
    writeLines(master, record("Form1", "SpracheLanguageLangue1", "Language")
                           + record("Form1", "Deutsch1", "German")
                           + record("Form1", "TabSheet1", "Lotto tip")
                           + record("Form1", "Panel3", "Compute")
                           + record("Form1", "BitBtn4", "&Compute tips")
                           + record("Form1", "SpeedButton13", "Set lucky number")
                           + record("Form1", "Edit80", "99")
                           + record("Form1", "CheckBox16", "Saturday")
                           + record("Form1", "RadioGroup3", "how often")
                           + record("Form1", "RadioButton1", "one")
                           + record("Form1", "Hilfe", "Help")
                           + record("Form6", "Label1", "Weighting"));
    writeLines(dir.filePath(QStringLiteral("Radio3.txt.en")), {QStringLiteral("often"), QStringLiteral("rarely")});

    TextTable table;
    QVERIFY(LanguageItems(windows.list()).apply(master, QStringLiteral("en"), &table));

    auto* menu = windows.find<QMenu>("SpracheLanguageLangue1");
    QCOMPARE(menu->title(), "Language");
    auto* german = windows.find<QAction>("Deutsch1");
    QCOMPARE(german->text(), "German");
    QCOMPARE(german->statusTip(), "German hint");
    QVERIFY2(!german->property("charset").isValid(), "menu items take no character set");

    auto* pages = windows.find<QTabWidget>("PageControl1");
    QCOMPARE(pages->tabText(0), "Lotto tip");
    QCOMPARE(pages->tabToolTip(0), "Lotto tip hint");
    QCOMPARE(pages->tabText(1), "Berechnung");
    QCOMPARE(windows.find<QGroupBox>("Panel3")->title(), "Compute");
    QCOMPARE(windows.find<QPushButton>("BitBtn4")->text(), "&Compute tips");
    QCOMPARE(windows.find<QToolButton>("SpeedButton13")->toolTip(), "Set lucky number hint");
    QCOMPARE(windows.find<QCheckBox>("CheckBox16")->text(), "Saturday");
    QCOMPARE(windows.find<QCheckBox>("CheckBox16")->property("charset").toInt(), 204);
    QCOMPARE(windows.find<QRadioButton>("RadioButton1")->text(), "one");
    QCOMPARE(windows.find<QDialog>("Hilfe")->windowTitle(), "Help");

    auto* edit = windows.find<QLineEdit>("Edit80");
    QCOMPARE(edit->text(), "12");
    QCOMPARE(edit->toolTip(), "99 hint");

    // Label28 has no record: untouched. Form3's Label1 is not Form6's.
    QCOMPARE(windows.find<QLabel>("Label28")->text(), "1. Tipp");
    QCOMPARE(windows.form3->findChild<QLabel*>("Label1")->text(), "Datum");
    QCOMPARE(windows.form6->findChild<QLabel*>("Label1")->text(), "Weighting");

    auto* three = windows.find<RadioGroup>("RadioGroup3");
    QCOMPARE(three->title(), "how often");
    QCOMPARE(three->items(), QStringList({"often", "rarely"}));
    QCOMPARE(three->itemIndex(), 1);
    auto* four = windows.find<RadioGroup>("RadioGroup4");
    QCOMPARE(four->items(), QStringList({"often", "rarely"}));
    QCOMPARE(four->itemIndex(), 1);
    QCOMPARE(windows.form1->windowTitle(), QString()); // windows themselves keep their titles
}

void TestLanguageItems::masterListRoundTrip()
{
    QTemporaryDir dir;
    const QString master = dir.filePath(QStringLiteral("bezeich.txt"));
    {
        const Windows windows;
        QCOMPARE(LanguageItems(windows.list()).writeMasterList(master), QString());
        QCOMPARE(LanguageItems(windows.list()).differences(master), QStringList());
    }

    // A fresh window tree that was translated comes back to the written texts.
    const Windows windows;
    auto* label = windows.find<QLabel>("Label28");
    label->setText(QStringLiteral("1. tip"));
    windows.find<QCheckBox>("CheckBox16")->setProperty("charset", 204);
    const QStringList found = LanguageItems(windows.list()).differences(master);
    QCOMPARE(found.size(), 2);
    QVERIFY2(found[0].contains("Form1.Label28: caption"), qPrintable(found[0]));
    QVERIFY2(found[1].contains("Form1.CheckBox16: character set"), qPrintable(found[1]));

    QVERIFY(LanguageItems(windows.list()).apply(master, QStringLiteral("de"), nullptr));
    QCOMPARE(label->text(), "1. Tipp");
    QCOMPARE(windows.find<QCheckBox>("CheckBox16")->property("charset").toInt(), 1);
    QCOMPARE(windows.find<QLabel>("Memo2")->property("charset").toInt(), 0);
    QCOMPARE(LanguageItems(windows.list()).differences(master), QStringList());

    // A control the list does not know, and a record no control uses.
    delete windows.find<QPushButton>("BitBtn4");
    named<QLabel>("Label99", QStringLiteral("neu"), windows.find<QGroupBox>("Panel3"));
    const QStringList drift = LanguageItems(windows.list()).differences(master);
    QVERIFY2(drift.filter("Form1.Label99: no record").size() == 1, qPrintable(drift.join('\n')));
    QVERIFY2(drift.filter("(Form1.BitBtn4) is used by no item").size() == 1, qPrintable(drift.join('\n')));
}

void TestLanguageItems::writerRefusesBrokenRecords_data()
{
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<QString>("message");
    QTest::newRow("line break in a caption") << "caption" << "Form1.Label28: caption or hint holds a line break";
    QTest::newRow("line break in a hint") << "hint" << "Form1.Label28: caption or hint holds a line break";
    QTest::newRow("same name twice in a window") << "twice" << "Form1.Label28: name used twice in one window";
}

void TestLanguageItems::writerRefusesBrokenRecords()
{
    QFETCH(QString, breakage);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString master = dir.filePath(QStringLiteral("bezeich.txt"));
    writeLines(master, {QStringLiteral("old")});

    const Windows windows;
    auto* label = windows.find<QLabel>("Label28");
    if (breakage == "caption")
        label->setText(QStringLiteral("zwei\nZeilen"));
    else if (breakage == "hint")
        label->setToolTip(QStringLiteral("zwei\r\nZeilen"));
    else
        named<QLabel>("Label28", QStringLiteral("noch einmal"), windows.find<QGroupBox>("Panel3"));
    const QString error = LanguageItems(windows.list()).writeMasterList(master);
    QCOMPARE(error, message);

    QFile file(master);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old\r\n"));
}

QTEST_MAIN(TestLanguageItems)
#include "tst_languageitems.moc"
