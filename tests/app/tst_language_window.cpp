// The language menu, the shipped German master list and the window's web
// links, driven through the real window.
//
// The master list data/land/bezeich.txt is generated from the live window.
// After adding, renaming or re-captioning a control, regenerate it with
//   NUMERANT_WRITE_MASTER_LIST=1 NUMERANT_SOURCE_DIR=<source dir> QT_QPA_PLATFORM=offscreen
//     build/bin/tst_language_window shippedListMatchesWindow
// and commit the file with the change.
//
// The shipped list leaves out items that have neither caption nor hint in the
// design (hits labels, the draw line, the tip cells): their text is what the
// operations write, and a language switch must not blank it.

#include "WindowFixture.h"
#include "app/LanguageItems.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/FilterCountLine.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DrawText.h"
#include "text/LanguageItem.h"
#include "text/MasterList.h"
#include "text/MasterListWriter.h"
#include "text/TextLines.h"

#include <QAction>
#include <QLibraryInfo>
#include <QTranslator>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

namespace {

void writeLines(const QString& path, const QStringList& lines)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    for (const QString& line : lines)
        file.write(line.toUtf8() + "\r\n");
}

QStringList checkedLanguages(const TForm1& window)
{
    QStringList checked;
    for (QAction* item : {window.Deutsch1, window.Englisch1, window.Franzsisch1, window.Spanisch1,
                          window.Trkisch1, window.Russisch1, window.Polnisch1, window.schechisch1,
                          window.Niederlndisch1})
        if (item->isChecked())
            checked << item->objectName();
    return checked;
}

std::vector<LanguageItem*> itemsWithText(const LanguageItems& items)
{
    std::vector<LanguageItem*> withText;
    for (LanguageItem* item : items.items()) {
        const bool caption = item->kind() != LanguageItem::Kind::EntryField && !item->caption().isEmpty();
        if (caption || !item->hint().isEmpty())
            withText.push_back(item);
    }
    return withText;
}

} // namespace

class LanguageWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void englishThenGermanKeepsEnglishTextTable();
    void memoHoldsOnlyTheLinesInUse();
    void missingMasterListStillMovesCheckMark_data();
    void missingMasterListStillMovesCheckMark();
    void recordBeyondReachOfPreviousMatch_data();
    void recordBeyondReachOfPreviousMatch();
    void shippedListMatchesWindow();
    void languageSwitchKeepsDrawAndQtTexts_data();
    void languageSwitchKeepsDrawAndQtTexts();

    void linkLabelOpensItsAddress_data();
    void linkLabelOpensItsAddress();
    void bannerOpensProductPage_data();
    void bannerOpensProductPage();

private:
    QString landDir() const { return dir_->filePath(QStringLiteral("land")); }
    QString masterPath() const { return dir_->filePath(QStringLiteral("land/bezeich.txt")); }
    QString tabText(const char* sheet) const;
    QString memoText() const { return window_->lottotippPage()->textTableMemo()->toPlainText(); }
};

void LanguageWindowTest::init()
{
    QVERIFY(setUp());
    window_ = makeWindow();
}

void LanguageWindowTest::cleanup()
{
    tearDown();
}

QString LanguageWindowTest::tabText(const char* sheet) const
{
    QTabWidget* tabs = window_->PageControl1;
    return tabs->tabText(tabs->indexOf(window_->findChild<QWidget*>(QLatin1String(sheet))));
}

void LanguageWindowTest::englishThenGermanKeepsEnglishTextTable()
{
    // Master list from the window itself; an English translation that marks
    // every caption and hint; English messages, but no German ones.
    QVERIFY(QDir().mkpath(landDir()));
    const LanguageItems items({window_.get(), window_->form3(), window_->form6()});
    QCOMPARE(items.writeMasterList(masterPath()), QString());
    const MasterList master(*TextLines::read(masterPath()));
    QStringList english;
    for (int k = 0; k < master.recordCount(); ++k)
        english << QStringLiteral("EN ") + master.caption(k) << QStringLiteral("EN ") + master.hint(k);
    writeLines(masterPath() + QStringLiteral(".en"), english);
    const QStringList messages{QStringLiteral("Number distribution"), QStringLiteral("Draws")};
    writeLines(landDir() + QStringLiteral("/meldungen.txt.en"), messages);

    const QString germanTable = memoText();
    QCOMPARE(germanTable, TextTable::defaults().join(u'\n'));

    window_->Englisch1->trigger();
    QCOMPARE(window_->Sprache, 1);
    QCOMPARE(checkedLanguages(*window_), QStringList{QStringLiteral("Englisch1")});
    QCOMPARE(tabText("TabSheet1"), QStringLiteral("EN Lottotipp"));
    QCOMPARE(window_->Deutsch1->text(), QStringLiteral("EN Deutsch"));
    QCOMPARE(window_->text(0), QStringLiteral("Number distribution"));
    QCOMPARE(window_->text(2), QString()); // beyond the shorter English table
    QCOMPARE(memoText(), messages.join(u'\n'));
    // The filter line's sentences are beyond it too: they stay German rather
    // than leaving bare numbers.
    const FilterCountLine* filterLine = window_->berechnungPage()->filterCountLine();
    QTRY_VERIFY2(filterLine->text().startsWith(QStringLiteral("Die Filter lassen ")), qPrintable(filterLine->text()));

    window_->Deutsch1->trigger();
    QCOMPARE(window_->Sprache, 0);
    QCOMPARE(checkedLanguages(*window_), QStringList{QStringLiteral("Deutsch1")});
    QCOMPARE(tabText("TabSheet1"), QStringLiteral("Lottotipp"));
    QCOMPARE(window_->Deutsch1->text(), QStringLiteral("Deutsch"));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("Label43"))->text(),
             QStringLiteral("Vellhorns Numerant"));
    QVERIFY(items.differences(masterPath()).isEmpty());
    // No German message file: the English table stays, and Memo2 with it.
    QCOMPARE(window_->text(0), QStringLiteral("Number distribution"));
    QCOMPARE(memoText(), messages.join(u'\n'));
}

// A message file far longer than the table would otherwise be laid out in
// full in the hidden box, which stalls every language switch.
void LanguageWindowTest::memoHoldsOnlyTheLinesInUse()
{
    QVERIFY(QDir().mkpath(landDir()));
    const LanguageItems items({window_.get(), window_->form3(), window_->form6()});
    QCOMPARE(items.writeMasterList(masterPath()), QString());
    QStringList messages;
    for (int i = 0; i < 5000; ++i)
        messages << QStringLiteral("Meldung %1").arg(i);
    writeLines(landDir() + QStringLiteral("/meldungen.txt.en"), messages);

    window_->Englisch1->trigger();
    const qsizetype used = TextTable::defaults().size();
    QCOMPARE(memoText(), messages.mid(0, used).join(u'\n'));
    QCOMPARE(window_->text(int(used) + 10), messages[used + 10]); // the table itself is whole
}

void LanguageWindowTest::missingMasterListStillMovesCheckMark_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("number");
    // Polish and Dutch are numbered out of menu order.
    QTest::newRow("Französisch") << "Franzsisch1" << 2;
    QTest::newRow("Polnisch") << "Polnisch1" << 8;
    QTest::newRow("Niederländisch") << "Niederlndisch1" << 6;
}

void LanguageWindowTest::missingMasterListStillMovesCheckMark()
{
    QFETCH(QString, menuItem);
    QFETCH(int, number);
    // Option items and messages without a master list change nothing either.
    QVERIFY(QDir().mkpath(landDir()));
    writeLines(landDir() + QStringLiteral("/meldungen.txt.fr"), {QStringLiteral("Répartition")});
    QVERIFY(checkedLanguages(*window_).isEmpty());

    window_->Englisch1->trigger();
    window_->findChild<QAction*>(menuItem)->trigger();

    QCOMPARE(window_->Sprache, number);
    QCOMPARE(checkedLanguages(*window_), QStringList{menuItem});
    QCOMPARE(tabText("TabSheet6"), QStringLiteral("Berechnung"));
    QCOMPARE(window_->Franzsisch1->text(), QStringLiteral("Français"));
    QCOMPARE(window_->textTable.lines(), TextTable::defaults());
    QCOMPARE(memoText(), TextTable::defaults().join(u'\n'));
}

void LanguageWindowTest::recordBeyondReachOfPreviousMatch_data()
{
    QTest::addColumn<int>("fillers");
    QTest::addColumn<bool>("found");
    QTest::newRow("ten records later") << 9 << true;
    QTest::newRow("eleven records later") << 10 << false;
}

void LanguageWindowTest::recordBeyondReachOfPreviousMatch()
{
    QFETCH(int, fillers);
    QFETCH(bool, found);
    // Aktualisieren1 is visited before Berechnen1; its record sets the cursor.
    QVERIFY(QDir().mkpath(landDir()));
    QStringList lines{QStringLiteral("Form1"), QStringLiteral("Aktualisieren1"),
                      QStringLiteral("Neu laden"), QString(), QStringLiteral("1")};
    for (int i = 0; i < fillers; ++i)
        lines << QStringLiteral("Form1") << QStringLiteral("Nothing%1").arg(i) << QString()
              << QString() << QStringLiteral("1");
    lines << QStringLiteral("Form1") << QStringLiteral("Berechnen1") << QStringLiteral("Rechnen")
          << QString() << QStringLiteral("1");
    writeLines(masterPath(), lines);

    window_->Deutsch1->trigger();

    QCOMPARE(window_->Aktualisieren1->text(), QStringLiteral("Neu laden"));
    QCOMPARE(window_->Berechnen1->text(), found ? QStringLiteral("Rechnen") : QStringLiteral("&Berechnen"));
}

void LanguageWindowTest::languageSwitchKeepsDrawAndQtTexts_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("qtCode"); // Qt's own catalogue for the language

    QTest::newRow("Deutsch") << "Deutsch1" << 0 << "de";
    QTest::newRow("Englisch") << "Englisch1" << 1 << "";
    QTest::newRow("Französisch") << "Franzsisch1" << 2 << "fr";
    QTest::newRow("Spanisch") << "Spanisch1" << 3 << "es";
    QTest::newRow("Tschechisch") << "schechisch1" << 7 << "cs";
    QTest::newRow("Polnisch") << "Polnisch1" << 8 << "pl";
}

void LanguageWindowTest::languageSwitchKeepsDrawAndQtTexts()
{
    QFETCH(QString, menuItem);
    QFETCH(int, sprache);
    QFETCH(QString, qtCode);

    // The master list puts the design captions back, "QS: " among them.
    QVERIFY(QDir().mkpath(landDir()));
    const LanguageItems items({window_.get(), window_->form3(), window_->form6()});
    QCOMPARE(items.writeMasterList(masterPath()), QString());
    const Draw draw = makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7);
    QVERIFY(writeDraws({draw}));
    window_->session().ratingOn = true;
    window_->tipBoard()->setCellText(1, 1, QStringLiteral("3"));
    for (int k = 2; k <= 6; ++k)
        window_->tipBoard()->setCellText(1, k, QString::number(k * 2));
    window_->SpeedButton5Click();
    QCOMPARE(window_->tipBoard()->hitsText(1), QStringLiteral("1"));

    window_->findChild<QAction*>(menuItem)->trigger();

    QCOMPARE(window_->Sprache, sprache);
    auto label = [this](const char* name) {
        return window_->PageControl1->findChild<QLabel*>(QLatin1String(name))->text();
    };
    QCOMPARE(label("Label13"), QStringLiteral("QS: 138"));
    QCOMPARE(label("Label35"), drawLine(draw, shortWeekdayNames(sprache), true));
    QCOMPARE(window_->tipBoard()->hitsText(1), QStringLiteral("1"));

    // Qt's own buttons speak the chosen language.
    QString yes = QStringLiteral("&Yes");
    if (!qtCode.isEmpty()) {
        QTranslator shipped;
        QVERIFY2(shipped.load(QStringLiteral("qt_") + qtCode,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
                 "qt6-translations-l10n is not installed");
        yes = shipped.translate("QPlatformTheme", "&Yes");
        QVERIFY(!yes.isEmpty() && yes != QStringLiteral("&Yes"));
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
}

void LanguageWindowTest::shippedListMatchesWindow()
{
    const QString sourceDir = qEnvironmentVariable("NUMERANT_SOURCE_DIR");
    if (sourceDir.isEmpty())
        QSKIP("NUMERANT_SOURCE_DIR is not set (ctest sets it)");
    const QString shipped = sourceDir + QStringLiteral("/data/land/bezeich.txt");
    const LanguageItems items({window_.get(), window_->form3(), window_->form6()});
    const std::vector<LanguageItem*> listed = itemsWithText(items);
    if (qEnvironmentVariableIsSet("NUMERANT_WRITE_MASTER_LIST"))
        QCOMPARE(MasterListWriter::write(shipped, listed), QString());

    const std::optional<QStringList> lines = TextLines::read(shipped);
    QVERIFY2(lines, qPrintable(shipped + QStringLiteral(" cannot be read")));
    const QStringList differences = MasterListWriter::differences(*lines, listed);
    QVERIFY2(differences.isEmpty(),
             qPrintable(QStringLiteral("%1 differs from the window (regenerate it, see the top of this "
                                       "file):\n  %2")
                            .arg(shipped, differences.join(QStringLiteral("\n  ")))));
}

void LanguageWindowTest::linkLabelOpensItsAddress_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("opened");
    const QString partner = QStringLiteral("https://www.lottoland.com/?partner=numerant");
    QTest::newRow("address") << "Label56" << "https://www.lotto.de" << QStringList{"https://www.lotto.de"};
    QTest::newRow("bare host") << "Label52" << "www.vellhorn.de" << QStringList{"https://www.vellhorn.de"};
    QTest::newRow("partner address") << "Label54" << "https://www.lottoland.com/de/lotto" << QStringList{partner};
    QTest::newRow("partner named in text") << "Label52" << "Jetzt bei LottoLand spielen" << QStringList{partner};
    // Link texts come from language files: a local file or program is never opened.
    QTest::newRow("local file") << "Label52" << "file:///usr/bin/xterm" << QStringList{};
    QTest::newRow("script") << "Label52" << "javascript:alert(1)" << QStringList{};
    QTest::newRow("empty") << "Label54" << "" << QStringList{};
}

void LanguageWindowTest::linkLabelOpensItsAddress()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QStringList, opened);
    auto* link = window_->findChild<QLabel*>(label);
    QVERIFY(link);
    link->setText(text);

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(shell_.openedUrls, opened);
}

void LanguageWindowTest::bannerOpensProductPage_data()
{
    QTest::addColumn<QString>("banner");
    for (const char* name : {"Label43", "Label44", "Panel8", "Panel9"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void LanguageWindowTest::bannerOpensProductPage()
{
    QFETCH(QString, banner);
    auto* widget = window_->findChild<QWidget*>(banner);
    QVERIFY(widget);

    QTest::mouseClick(widget, Qt::LeftButton);

    QCOMPARE(shell_.openedUrls, QStringList{QStringLiteral("https://www.vellhorn.de/numerant")});
}

QTEST_MAIN(LanguageWindowTest)
#include "tst_language_window.moc"
