#include "text/LanguageItem.h"
#include "text/LanguageLoader.h"
#include "text/MasterList.h"
#include "text/OptionGroup.h"
#include "text/TextTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

namespace {

class FakeItem : public LanguageItem {
public:
    FakeItem(QString window, QString name, Kind kind = Kind::Label)
        : window_(std::move(window)), name_(std::move(name)), kind_(kind)
    {
    }
    QString windowName() const override { return window_; }
    QString name() const override { return name_; }
    Kind kind() const override { return kind_; }
    QString caption() const override { return caption_; }
    QString hint() const override { return hint_; }
    int charset() const override { return charset_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    void setHint(const QString& hint) override { hint_ = hint; }
    bool setCharset(int charset) override
    {
        charset_ = charset;
        return true;
    }

    QString caption_ = QStringLiteral("orig");
    QString hint_ = QStringLiteral("orig hint");
    int charset_ = 1;

private:
    QString window_, name_;
    Kind kind_;
};

class FakeGroup : public OptionGroup {
public:
    FakeGroup(QStringList items, int selected) : items_(std::move(items)), selected_(selected) {}
    QStringList items() const override { return items_; }
    int itemIndex() const override { return selected_; }
    void setItems(const QStringList& items, int selected) override
    {
        items_ = items;
        selected_ = selected;
    }
    QStringList items_;
    int selected_;
};

// A folder with a "land" sub-folder holding the language files of one test.
class LandFolder {
public:
    LandFolder() { QDir(dir_.path()).mkdir(QStringLiteral("land")); }
    QString master() const { return path(QStringLiteral("bezeich.txt")); }
    QString path(const QString& file) const { return dir_.filePath(QStringLiteral("land/") + file); }

    void write(const QString& file, const QStringList& lines) const
    {
        QFile out(path(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        for (const QString& line : lines)
            out.write(line.toUtf8() + "\r\n");
    }
    // Records given as "window/name=caption"; hint "<caption> hint", charset 1.
    void writeMaster(const QStringList& records) const
    {
        QStringList lines;
        for (const QString& record : records) {
            const QString names = record.section(u'=', 0, 0);
            const QString caption = record.section(u'=', 1);
            lines << names.section(u'/', 0, 0) << names.section(u'/', 1) << caption
                  << caption + QStringLiteral(" hint") << QStringLiteral("1");
        }
        write(QStringLiteral("bezeich.txt"), lines);
    }

private:
    QTemporaryDir dir_;
};

std::vector<LanguageItem*> pointers(const std::vector<std::unique_ptr<FakeItem>>& items)
{
    std::vector<LanguageItem*> result;
    for (const auto& item : items)
        result.push_back(item.get());
    return result;
}

QStringList fillers(int count)
{
    QStringList records;
    for (int i = 0; i < count; ++i)
        records << QStringLiteral("Form1/Other%1=other").arg(i);
    return records;
}

} // namespace

class TestLanguageLoader : public QObject {
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
    void modes_data();
    void modes();
    void entryFieldGetsHintOnly();
    void optionGroups();
    void messageFile();
    void englishThenGermanKeepsEnglishMessages();
    void missingMasterListChangesNothing();
    void findAtTheEndsOfInt_data();
    void findAtTheEndsOfInt();
};

void TestLanguageLoader::matching_data()
{
    QTest::addColumn<QStringList>("records");  // "window/name=caption"
    QTest::addColumn<QStringList>("items");    // "window/name", in visiting order
    QTest::addColumn<QStringList>("captions"); // after loading; "orig" = untouched

    QTest::newRow("records in visiting order")
        << QStringList{"Form1/A=a", "Form1/B=b", "Form3/C=c"}
        << QStringList{"Form1/A", "Form1/B", "Form3/C"} << QStringList{"a", "b", "c"};
    QTest::newRow("tenth record after the match is reached")
        << QStringList{"Form1/A=a"} + fillers(9) + QStringList{"Form1/B=b"}
        << QStringList{"Form1/A", "Form1/B"} << QStringList{"a", "b"};
    QTest::newRow("eleventh record after the match is not")
        << QStringList{"Form1/A=a"} + fillers(10) + QStringList{"Form1/B=b"}
        << QStringList{"Form1/A", "Form1/B"} << QStringList{"a", "orig"};
    QTest::newRow("first item may lie at record 10, not 11")
        << fillers(10) + QStringList{"Form1/A=a", "Form1/B=b"}
        << QStringList{"Form1/A", "Form1/B"} << QStringList{"a", "b"};
    QTest::newRow("cursor moves to each match")
        << QStringList{"Form1/A=a"} + fillers(7) + QStringList{"Form1/B=b"} + fillers(9)
               + QStringList{"Form1/C=c"}
        << QStringList{"Form1/A", "Form1/B", "Form1/C"} << QStringList{"a", "b", "c"};
    QTest::newRow("unmatched item leaves the cursor")
        << QStringList{"Form1/A=a", "Form1/B=b"}
        << QStringList{"Form1/A", "Form1/Missing", "Form1/B"} << QStringList{"a", "orig", "b"};
    QTest::newRow("passed record never used")
        << QStringList{"Form1/B=b", "Form1/A=a"}
        << QStringList{"Form1/A", "Form1/B"} << QStringList{"a", "orig"};
    QTest::newRow("duplicate record: first wins")
        << QStringList{"Form1/A=first", "Form1/A=second"}
        << QStringList{"Form1/A"} << QStringList{"first"};
    QTest::newRow("blanks around names match")
        << QStringList{"  Form1 / Label1  =x"} << QStringList{"Form1/Label1"} << QStringList{"x"};
    QTest::newRow("case differs: no match")
        << QStringList{"Form1/label1=x", "form1/Label1=y"} << QStringList{"Form1/Label1"}
        << QStringList{"orig"};
    QTest::newRow("same name in another window: no match")
        << QStringList{"Form3/Button1=dialog", "Form1/Button1=main"}
        << QStringList{"Form1/Button1", "Form3/Button1"} << QStringList{"main", "orig"};
    QTest::newRow("blanks inside a caption kept")
        << QStringList{"Form1/A= Tipp  "} << QStringList{"Form1/A"} << QStringList{" Tipp  "};
}

void TestLanguageLoader::matching()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);

    LandFolder land;
    land.writeMaster(records);
    std::vector<std::unique_ptr<FakeItem>> fakes;
    for (const QString& item : items)
        fakes.push_back(std::make_unique<FakeItem>(item.section(u'/', 0, 0), item.section(u'/', 1)));

    QVERIFY(LanguageLoader::apply(land.master(), QStringLiteral("de"), {pointers(fakes), {}, nullptr}));

    QStringList actual;
    for (const auto& fake : fakes) {
        actual << fake->caption_;
        // Caption and hint always come from the same record.
        QCOMPARE(fake->hint_, fake->caption_ == "orig" ? QString("orig hint") : fake->caption_ + " hint");
    }
    QCOMPARE(actual, captions);
}

void TestLanguageLoader::modes_data()
{
    QTest::addColumn<QString>("charsetLine");
    QTest::addColumn<QStringList>("translation"); // empty: no translation list
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("charset");

    const QStringList english{"Englisch caption 0", "hint 0", "caption 1", "hint 1"};
    QTest::newRow("master: charset 204") << "204" << QStringList{} << "Zweiter" << "Hinweis" << 204;
    QTest::newRow("master: blanks around charset") << " 0 " << QStringList{} << "Zweiter" << "Hinweis" << 0;
    QTest::newRow("master: charset not a number") << "abc" << QStringList{} << "Zweiter" << "Hinweis" << 1;
    QTest::newRow("master: charset empty") << "" << QStringList{} << "Zweiter" << "Hinweis" << 1;
    QTest::newRow("master: charset not a byte") << "300" << QStringList{} << "Zweiter" << "Hinweis" << 1;
    QTest::newRow("translated: lines 2k and 2k+1, charset kept")
        << "204" << english << "caption 1" << "hint 1" << 1;
    QTest::newRow("translated: hint line missing")
        << "204" << english.mid(0, 3) << "caption 1" << "" << 1;
    QTest::newRow("translated: list too short") << "204" << english.mid(0, 2) << "" << "" << 1;
}

void TestLanguageLoader::modes()
{
    QFETCH(QString, charsetLine);
    QFETCH(QStringList, translation);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(int, charset);

    LandFolder land;
    land.write("bezeich.txt", {"Form1", "Label1", "Erster", "", "0",
                               "Form1", "Label2", "Zweiter", "Hinweis", charsetLine});
    if (!translation.isEmpty())
        land.write("bezeich.txt.en", translation);

    FakeItem first("Form1", "Label1");
    FakeItem second("Form1", "Label2");
    QVERIFY(LanguageLoader::apply(land.master(), "en", {{&first, &second}, {}, nullptr}));
    QCOMPARE(second.caption_, caption);
    QCOMPARE(second.hint_, hint);
    QCOMPARE(second.charset_, charset);
}

void TestLanguageLoader::entryFieldGetsHintOnly()
{
    LandFolder land;
    land.write("bezeich.txt", {"Form1", "Edit37", "Beschriftung", "Anzahl der Tipps", "204",
                               "Form1", "Deutsch1", "Deutsch", "", "204"});
    FakeItem edit("Form1", "Edit37", LanguageItem::Kind::EntryField);
    edit.caption_ = "12";
    FakeItem menu("Form1", "Deutsch1", LanguageItem::Kind::MenuItem);
    QVERIFY(LanguageLoader::apply(land.master(), "de", {{&edit, &menu}, {}, nullptr}));

    QCOMPARE(edit.caption_, "12");
    QCOMPARE(edit.hint_, "Anzahl der Tipps");
    QCOMPARE(edit.charset_, 204);
    QCOMPARE(menu.caption_, "Deutsch");
    QCOMPARE(menu.charset_, 1); // menu items have no font of their own
}

void TestLanguageLoader::optionGroups()
{
    LandFolder land;
    land.writeMaster({});
    land.write("Radio1.txt.en", {"Super number"});
    // Radio2 file absent; Radio3 feeds groups 3 and 4.
    land.write("Radio3.txt.en", {"how often", "overdue"});

    FakeGroup one({"a", "b", "c"}, 2);
    FakeGroup two({"x", "y"}, 1);
    FakeGroup three({"wie oft", "ausstehend", "drittes"}, 1);
    FakeGroup four({"wie oft", "ausstehend", "drittes"}, 2);
    QVERIFY(LanguageLoader::apply(land.master(), "en", {{}, {&one, &two, &three, &four}, nullptr}));

    QCOMPARE(one.items_, QStringList{"Super number"});
    QCOMPARE(one.selected_, 0);
    QCOMPARE(two.items_, QStringList({"x", "y"}));
    QCOMPARE(two.selected_, 1);
    QCOMPARE(three.items_, QStringList({"how often", "overdue"}));
    QCOMPARE(three.selected_, 1);
    QCOMPARE(four.items_, QStringList({"how often", "overdue"}));
    QCOMPARE(four.selected_, 1);

    // An empty item file would leave a group with nothing to select.
    land.write("Radio3.txt.fr", {});
    QVERIFY(LanguageLoader::apply(land.master(), "fr", {{}, {&one, &two, &three, &four}, nullptr}));
    QCOMPARE(three.items_, QStringList({"how often", "overdue"}));
    QCOMPARE(three.selected_, 1);

    FakeGroup none({"a", "b"}, -1);
    LanguageLoader::replaceItems(none, {"c"});
    QCOMPARE(none.selected_, -1);
}

void TestLanguageLoader::messageFile()
{
    LandFolder land;
    land.writeMaster({});
    QStringList thirty;
    for (int i = 0; i < 30; ++i)
        thirty << QStringLiteral("message %1").arg(i);
    land.write("meldungen.txt.en", thirty);

    TextTable table;
    QVERIFY(LanguageLoader::apply(land.master(), "en", {{}, {}, &table}));
    QCOMPARE(table.line(0), "message 0");
    QCOMPARE(table.line(29), "message 29");
    QCOMPARE(table.line(30), QString());
    QCOMPARE(table.line(55), QString());
}

void TestLanguageLoader::englishThenGermanKeepsEnglishMessages()
{
    LandFolder land;
    land.writeMaster({"Form1/Label1=Ziehungen"});
    land.write("bezeich.txt.en", {"Draws", "Draws hint"});
    land.write("meldungen.txt.en", {"Number distribution"});

    FakeItem label("Form1", "Label1");
    TextTable table;
    const LanguageTargets targets{{&label}, {}, &table};
    QVERIFY(LanguageLoader::apply(land.master(), "en", targets));
    QCOMPARE(label.caption_, "Draws");
    QCOMPARE(table.line(0), "Number distribution");

    QVERIFY(LanguageLoader::apply(land.master(), "de", targets));
    QCOMPARE(label.caption_, "Ziehungen");
    QCOMPARE(label.hint_, "Ziehungen hint");
    QCOMPARE(table.line(0), "Number distribution");
}

void TestLanguageLoader::missingMasterListChangesNothing()
{
    LandFolder land;
    land.write("bezeich.txt.en", {"Draws", "Draws hint"});
    land.write("Radio3.txt.en", {"how often"});
    land.write("meldungen.txt.en", {"Number distribution"});

    FakeItem label("Form1", "Label1");
    FakeGroup group({"wie oft", "ausstehend"}, 1);
    TextTable table;
    QVERIFY(!LanguageLoader::apply(land.master(), "en", {{&label}, {nullptr, nullptr, &group, nullptr}, &table}));
    QCOMPARE(label.caption_, "orig");
    QCOMPARE(group.items_, QStringList({"wie oft", "ausstehend"}));
    QCOMPARE(table.lines(), TextTable::defaults());

    // A translation list that cannot be read falls back to the German texts
    // instead of blanking every caption.
    land.writeMaster({"Form1/Label1=Ziehungen"});
    QFile::remove(land.path("bezeich.txt.en"));
    QVERIFY(QDir().mkdir(land.path("bezeich.txt.en")));
    QVERIFY(LanguageLoader::apply(land.master(), "en", {{&label}, {}, nullptr}));
    QCOMPARE(label.caption_, "Ziehungen");
}

void TestLanguageLoader::findAtTheEndsOfInt_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("found");
    const int most = std::numeric_limits<int>::max();
    QTest::newRow("start of the list") << 0 << true;
    QTest::newRow("lowest int") << std::numeric_limits<int>::min() << false;
    QTest::newRow("highest int") << most << false;
    QTest::newRow("search width below the highest int") << most - MasterList::searchWidth + 1 << false;
}

// A start near the top of int must not wrap round into a search from the start.
void TestLanguageLoader::findAtTheEndsOfInt()
{
    QFETCH(int, from);
    QFETCH(bool, found);
    const MasterList master({"Form1", "A", "a", "", "0"});
    QCOMPARE(master.find(from, QStringLiteral("Form1"), QStringLiteral("A")).has_value(), found);
}

QTEST_GUILESS_MAIN(TestLanguageLoader)
#include "tst_languageloader.moc"
