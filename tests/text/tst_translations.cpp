// The editable language sources and the positional files made from them.
//
// shippedSourceIsComplete checks every delivered source against the German
// master list, the text table and the German option items, and names each
// missing or stale entry: after adding a control, add its texts to every
// data/translations/<code>.tsv.

#include "text/LanguageFileSet.h"
#include "text/Languages.h"
#include "text/MasterList.h"
#include "text/TextLines.h"
#include "text/TextTable.h"
#include "text/TranslationSource.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("NUMERANT_SOURCE_DIR");
}

QStringList masterLines(const QStringList& records)
{
    // "window.control|caption|hint" per record
    QStringList lines;
    for (const QString& record : records) {
        const QStringList parts = record.split(u'|');
        const QStringList names = parts[0].split(u'.');
        lines << names[0] << names[1] << parts[1] << parts[2] << QStringLiteral("1");
    }
    return lines;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void parseRejectsMalformedLines_data();
    void parseRejectsMalformedLines();
    void parseKeepsTextsAsTheyStand();
    void buildNamesMissingAndStaleEntries();
    void buildPlacesTextsByMasterRecord();
    void shippedSourceIsComplete_data();
    void shippedSourceIsComplete();
    void writeAllMakesEveryLanguagesFiles();
};

void TranslationsTest::parseRejectsMalformedLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no tabs") << "Form1 Label1 Caption" << "line 2: expected window, control";
    QTest::newRow("too many fields") << "Form1\tLabel1\ta\tb\tc" << "line 2: expected window, control";
    QTest::newRow("blank control") << "Form1\t \tCaption\t" << "line 2: expected window, control";
    QTest::newRow("text without index") << "@text\tx\tWord" << "line 2: expected \"@text\"";
    QTest::newRow("negative index") << "@text\t-1\tWord" << "line 2: expected \"@text\"";
    QTest::newRow("unknown list") << "@Radio4\t0\tItem" << "line 2: expected \"@text\"";
    QTest::newRow("control twice") << "Form1\tLabel9\tOther\t" << "line 2: Form1.Label9 is given twice";
    QTest::newRow("text twice") << "@text\t0\tOther" << "line 2: @text 0 is given twice";
}

void TranslationsTest::parseRejectsMalformedLines()
{
    QFETCH(QString, line);
    QFETCH(QString, problem);
    // The first line is valid and gives the keys a duplicate would repeat.
    const QString first = line.startsWith(u'@') ? QStringLiteral("@text\t0\tWord")
                                                : QStringLiteral("Form1\tLabel9\tCaption\tHint");
    const TranslationSource source = TranslationSource::parse({first, line});
    QCOMPARE(source.problems().size(), 1);
    QVERIFY2(source.problems()[0].startsWith(problem), qPrintable(source.problems()[0]));
    // The valid line still counts; the bad one adds nothing.
    QCOMPARE(int(source.controls().size() + source.texts().size()), 1);
}

void TranslationsTest::parseKeepsTextsAsTheyStand()
{
    const TranslationSource source = TranslationSource::parse({
        QStringLiteral("# a comment"),
        QString(),
        QStringLiteral(" Form1 \tLabel1\tTip no \t"),
        QStringLiteral("Form1\tLabel2\tCaption"),
        QStringLiteral("@text\t12\tTicket no "),
        QStringLiteral("@Radio3\t1\tSuper number"),
    });
    QVERIFY(source.problems().isEmpty());
    QVERIFY(source.control(QStringLiteral("Form1"), QStringLiteral("Label1")));
    QCOMPARE(source.control(QStringLiteral("Form1"), QStringLiteral("Label1"))->caption, QStringLiteral("Tip no "));
    QCOMPARE(source.control(QStringLiteral("Form1"), QStringLiteral("Label2"))->hint, QString());
    QVERIFY(!source.control(QStringLiteral("form1"), QStringLiteral("Label2")));
    QCOMPARE(source.texts().value(12), QStringLiteral("Ticket no "));
    QCOMPARE(source.options(2).value(1), QStringLiteral("Super number"));
}

void TranslationsTest::buildNamesMissingAndStaleEntries()
{
    const MasterList master(masterLines({"Form1.Label1|Ziehungen|", "Form1.Button1|&Rechnen|Hinweis",
                                         "Form3.Label1|Bonus:|"}));
    const LanguageFileSet::German german{master,
                                         {QStringLiteral("Tipp"), QStringLiteral("Schein Nr "),
                                          QStringLiteral("Suche: %1 (%2 %)"), QStringLiteral("Durchgang %1: %2")},
                                         {QStringList{QStringLiteral("a"), QStringLiteral("b")}, {}, {}}};
    const TranslationSource source = TranslationSource::parse({
        QStringLiteral("Form1\tLabel1\tDraws\t"),
        QStringLiteral("Form1\tButton1\tCalculate\tHint"),
        QStringLiteral("Form1\tGone1\tOld\t"),
        QStringLiteral("@text\t1\tTicket no"),
        QStringLiteral("@text\t2\tSearch: %2 %1 (%)"),
        QStringLiteral("@text\t3\tPass %1: %1"),
        QStringLiteral("@text\t4\tExtra"),
        QStringLiteral("@Radio1\t0\tA"),
        QStringLiteral("@Radio1\t1\tB"),
        QStringLiteral("@Radio1\t2\tC"),
    });

    const GeneratedLanguageFiles files = LanguageFileSet::build(german, source);

    const QStringList expected{
        QStringLiteral("Form1.Button1: the accelerator (&) of the German caption is missing"),
        QStringLiteral("missing Form3.Label1 (German: \"Bonus:\" / \"\")"),
        QStringLiteral("stale Form1.Gone1: no such control in the master list"),
        QStringLiteral("missing @text 0 (German: \"Tipp\")"),
        QStringLiteral("@text 1: the German line ends with a blank, this one not"),
        QStringLiteral("@text 3: has the places \"%1 %1\", the German line \"%1 %2\""),
        QStringLiteral("stale @text 4: there is no such German line"),
        QStringLiteral("stale @Radio1 2: there is no such German line"),
    };
    QCOMPARE(files.problems, expected);
    // Missing entries fall back to German, so the window never shows blanks.
    QCOMPARE(files.translation.mid(4), (QStringList{QStringLiteral("Bonus:"), QString()}));
    QCOMPARE(files.messages.mid(0, 2), (QStringList{QStringLiteral("Tipp"), QStringLiteral("Ticket no")}));
    QCOMPARE(files.options[0], (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

void TranslationsTest::buildPlacesTextsByMasterRecord()
{
    // The source lists controls in any order; the positional file follows the
    // master list, so a new control never shifts a translation.
    const MasterList master(masterLines({"Form1.A|Eins|E", "Form6.A|Zwei|", "Form1.B|Drei|D"}));
    const LanguageFileSet::German german{master, {}, {}};
    const TranslationSource source = TranslationSource::parse({
        QStringLiteral("Form1\tB\tThree\tT"),
        QStringLiteral("Form1\tA\tOne\tO"),
        QStringLiteral("Form6\tA\tTwo\t"),
    });
    const GeneratedLanguageFiles files = LanguageFileSet::build(german, source);
    QVERIFY2(files.problems.isEmpty(), qPrintable(files.problems.join(u'\n')));
    QCOMPARE(files.translation, (QStringList{"One", "O", "Two", "", "Three", "T"}));
}

void TranslationsTest::shippedSourceIsComplete_data()
{
    QTest::addColumn<QString>("code");
    for (const Language& language : Languages::all())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

void TranslationsTest::shippedSourceIsComplete()
{
    QFETCH(QString, code);
    if (sourceDir().isEmpty())
        QSKIP("NUMERANT_SOURCE_DIR is not set (ctest sets it)");
    const QDir data(sourceDir() + QStringLiteral("/data"));
    const std::optional<QStringList> master = TextLines::read(data.filePath(QStringLiteral("land/bezeich.txt")));
    const std::optional<TranslationSource> germanSource =
        TranslationSource::read(data.filePath(QStringLiteral("translations/de.tsv")));
    const std::optional<TranslationSource> source =
        TranslationSource::read(data.filePath(QStringLiteral("translations/%1.tsv").arg(code)));
    QVERIFY(master && germanSource && source);

    const MasterList masterList(*master);
    const LanguageFileSet::German german{masterList, TextTable::defaults(), LanguageFileSet::optionItems(*germanSource)};
    const GeneratedLanguageFiles files = code == QLatin1String("de") ? LanguageFileSet::buildGerman(german, *source)
                                                            : LanguageFileSet::build(german, *source);
    QVERIFY2(files.problems.isEmpty(),
             qPrintable(QStringLiteral("data/translations/%1.tsv:\n  %2").arg(code, files.problems.join(QStringLiteral("\n  ")))));
}

void TranslationsTest::writeAllMakesEveryLanguagesFiles()
{
    if (sourceDir().isEmpty())
        QSKIP("NUMERANT_SOURCE_DIR is not set (ctest sets it)");
    QTemporaryDir land;
    QVERIFY(QFile::copy(sourceDir() + QStringLiteral("/data/land/bezeich.txt"), land.filePath(QStringLiteral("bezeich.txt"))));
    QStringList problems;
    QCOMPARE(LanguageFileSet::writeAll(sourceDir() + QStringLiteral("/data/translations"), land.path(), &problems),
             QString());

    const int records = MasterList(*TextLines::read(land.filePath(QStringLiteral("bezeich.txt")))).recordCount();
    for (const Language& language : Languages::all()) {
        const auto lines = [&](const char* stem) {
            return TextLines::read(land.filePath(QLatin1String(stem) + u'.' + language.code));
        };
        QCOMPARE(lines("meldungen.txt")->size(), TextTable::defaults().size());
        for (const char* stem : {"Radio1.txt", "Radio2.txt", "Radio3.txt"})
            QVERIFY2(lines(stem) && !lines(stem)->isEmpty(), stem);
        if (language.number == 0)
            QVERIFY(!lines("bezeich.txt")); // German captions come from the master list
        else
            QCOMPARE(lines("bezeich.txt")->size(), 2 * records);
    }
    QCOMPARE(*TextLines::read(land.filePath(QStringLiteral("meldungen.txt.de"))), TextTable::defaults());
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
