// The manual quotes the window: every caption it puts in „…“ must be one the
// user can find, on a shown control, a tab, a menu item, a hint, one of the
// two dialogs, or a message of the text table.
#include "WindowFixture.h"

#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "text/LanguageFileSet.h"
#include "text/Languages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

namespace {

// What the user reads: accelerator marks gone, blanks folded, no closing colon.
QString readable(QString caption)
{
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    caption = caption.simplified();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

// Shown only while an operation runs, hidden otherwise.
const QStringList kShownWhileWorking{
    QStringLiteral("SpeedButton8"), // stops the download
};

// A widget the user can see once its tab is brought to the front: not
// hidden itself, nor inside something hidden other than a tab page in waiting.
bool canBeSeen(const QWidget* widget)
{
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (kShownWhileWorking.contains(w->objectName()))
            continue;
        const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
        if (stack) {
            const auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget());
            const int index = tabs ? tabs->indexOf(const_cast<QWidget*>(w)) : -1;
            if (tabs && index >= 0 && !tabs->isTabVisible(index))
                return false;
            continue;
        }
        if (w->isHidden())
            return false;
    }
    return true;
}

// `everything`: the dialogs show and hide controls by what they are opened
// for, so all their controls count.
void collect(const QWidget& window, QSet<QString>& into, bool everything = false)
{
    into << readable(window.windowTitle());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!everything && !canBeSeen(widget))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            into << readable(button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget))
            into << readable(label->text());
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            into << readable(box->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    into << readable(tabs->tabText(i));
        into << readable(widget->toolTip());
    }
    for (QAction* action : window.findChildren<QAction*>())
        if (!action->isSeparator())
            into << readable(action->text()) << readable(action->statusTip());
}

} // namespace

class ManualWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void quotedCaptionsExist_data();
    void quotedCaptionsExist();
    void noAcceleratorMarks_data();
    void noAcceleratorMarks();

private:
    QString manualText(const QString& folder, QString* error, QStringList* headings = nullptr) const;
    bool switchTo(const QString& code);
};

void ManualWindowTest::init()
{
    QVERIFY(setUp());
    window_ = makeWindow();
    showWindow();
}

void ManualWindowTest::cleanup()
{
    tearDown();
}

// The chapters as plain text, tags gone and entities read.
QString ManualWindowTest::manualText(const QString& folder, QString* error, QStringList* headings) const
{
    const QString source = qEnvironmentVariable("NUMERANT_SOURCE_DIR");
    const QDir chapters(source + QStringLiteral("/data/") + folder);
    QString text;
    const QStringList files = chapters.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    if (source.isEmpty() || files.isEmpty()) {
        *error = QStringLiteral("no chapters under %1").arg(chapters.path());
        return {};
    }
    for (const QString& name : files) {
        QFile file(chapters.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return {};
        }
        text += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    // Chapter and section titles may be quoted as references.
    static const QRegularExpression heading(QStringLiteral("<h[12][^>]*>(.*?)</h[12]>"));
    for (const auto& match : heading.globalMatch(text))
        if (headings)
            *headings << match.captured(1);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    return text;
}

bool ManualWindowTest::switchTo(const QString& code)
{
    if (code == QLatin1String("de"))
        return true;
    // The language files as the build makes them, beside the program.
    const QString source = qEnvironmentVariable("NUMERANT_SOURCE_DIR");
    const QString land = programDir_ + QStringLiteral("land/");
    if (!QDir().mkpath(land)
        || !QFile::copy(source + QStringLiteral("/data/land/bezeich.txt"), land + QStringLiteral("bezeich.txt")))
        return false;
    QStringList problems;
    if (!LanguageFileSet::writeAll(source + QStringLiteral("/data/translations"), land, &problems).isEmpty())
        return false;
    for (const Language& language : Languages::all())
        if (language.code == code)
            window_->findChild<QAction*>(language.menuItem)->trigger();
    QCoreApplication::processEvents();
    return dialogs_.messages.isEmpty();
}

void ManualWindowTest::quotedCaptionsExist_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "manual" << "de";
    QTest::newRow("English") << "manual/en" << "en";
}

void ManualWindowTest::quotedCaptionsExist()
{
    QFETCH(QString, folder);
    QFETCH(QString, language);
    QString error;
    QStringList headings;
    const QString text = manualText(folder, &error, &headings);
    if (text.isEmpty())
        QSKIP(qPrintable(error));
    QVERIFY(switchTo(language));

    QSet<QString> known;
    collect(*window_, known);
    collect(*window_->form3(), known, true);
    collect(*window_->form6(), known, true);
    for (const QString& line : window_->textTable.lines())
        known << readable(line);
    // Quoted for what they are, not as captions of this window.
    const QStringList notCaptions{
        QStringLiteral("Numerant"),     // the desktop's menu entry
        QStringLiteral("Zubehör"),      // the desktop's menu category
        QStringLiteral("6 aus 49"),     // the lottery
        QStringLiteral(";"),            // a CSV separator
        QStringLiteral("dd.mm.yyyy"),   // a date format
        QStringLiteral("vlt"),          // file endings
        QStringLiteral("vlw"),
        QStringLiteral("+ B"),          // shown beside a row's hits
    };

    QStringList unknown;
    static const QRegularExpression quote(QStringLiteral("„([^“]*)“"));
    for (const QString& heading : headings)
        known << readable(heading);
    for (const auto& match : quote.globalMatch(text)) {
        const QString quoted = readable(match.captured(1));
        if (!known.contains(quoted) && !notCaptions.contains(quoted) && !unknown.contains(quoted))
            unknown << quoted;
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(QStringLiteral("quoted, but not in the window: ") + unknown.join(QStringLiteral(" | "))));
}

void ManualWindowTest::noAcceleratorMarks_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("German") << "manual";
    QTest::newRow("English") << "manual/en";
}

void ManualWindowTest::noAcceleratorMarks()
{
    QFETCH(QString, folder);
    QString error;
    const QString text = manualText(folder, &error);
    if (text.isEmpty())
        QSKIP(qPrintable(error));
    static const QRegularExpression mark(QStringLiteral("„[^“]*&[^“]*“"));
    const QRegularExpressionMatch found = mark.match(text);
    QVERIFY2(!found.hasMatch(), qPrintable(found.captured(0)));
}

QTEST_MAIN(ManualWindowTest)
#include "tst_manual_window.moc"
