// Every language of the menu, applied to the real window from the files the
// build makes: nothing is cut off, the whole interface switches, and German
// comes back exactly. (For a picture of every tab in every language, see
// the manual tool's --language-sheets.)

#include "ShownPages.h"
#include "WindowFixture.h"
#include "app/LanguageItems.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/FilterCountLine.h"
#include "draws/DrawFile.h"
#include "draws/DrawText.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"
#include "text/LanguageFileSet.h"
#include "text/LanguageItem.h"
#include "text/Languages.h"
#include "text/MasterList.h"
#include "text/TextLine.h"
#include "text/TextTable.h"
#include "text/TextLines.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Why a caption does not fit the room its control has, or nothing.
QString cutOff(QWidget* widget, QWidget* area)
{
    const QRect inArea(widget->mapTo(area, QPoint(0, 0)), widget->size());
    const QRect inWindow(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    if (!area->rect().contains(inArea) || !widget->window()->rect().contains(inWindow))
        return QStringLiteral("reaches outside its page");

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("needs %1 px height, has %2").arg(label->heightForWidth(label->width())).arg(label->height());
        } else if (label->minimumSizeHint().width() > label->width()) {
            return QStringLiteral("needs %1 px, has %2").arg(label->minimumSizeHint().width()).arg(label->width());
        }
        return {};
    }
    if (auto* button = qobject_cast<QToolButton*>(widget)) {
        // Tool buttons are often fixed squares: the text itself must fit.
        const int needed = button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text()))
            + (button->icon().isNull() || button->toolButtonStyle() == Qt::ToolButtonTextOnly ? 0 : button->iconSize().width())
            + 4;
        if (needed > button->width())
            return QStringLiteral("needs %1 px, has %2").arg(needed).arg(button->width());
        return {};
    }
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        if (widget->sizeHint().width() > widget->width())
            return QStringLiteral("needs %1 px, has %2").arg(widget->sizeHint().width()).arg(widget->width());
        return {};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        // The style's own minimum width for push buttons is not needed room.
        QStyle* style = button->style();
        const int needed = button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text()))
            + (button->icon().isNull() ? 0 : button->iconSize().width() + 4)
            + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (needed > button->width())
            return QStringLiteral("needs %1 px, has %2").arg(needed).arg(button->width());
        return {};
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        const int needed = box->fontMetrics().horizontalAdvance(box->title()) + 16;
        if (needed > box->width())
            return QStringLiteral("title needs %1 px, has %2").arg(needed).arg(box->width());
    }
    return {};
}

QString captionOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    return {};
}

} // namespace

class TranslationsWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyCaptionFits_data();
    void everyCaptionFits();
    void roundTripReturnsToGerman_data();
    void roundTripReturnsToGerman();
    void textsMadeByTheProgramFollow_data();
    void textsMadeByTheProgramFollow();

private:
    void languageRows();
    void switchTo(const QString& code);
    QString land() const { return programDir_ + QStringLiteral("land/"); }
    std::vector<QWidget*> visiblePages() const;
    QStringList problemsOn(QWidget* page, const QSet<QString>& captioned, const QString& where) const;

    QSet<QString> form1Captioned_, form3Captioned_, form6Captioned_;
};

void TranslationsWindowTest::init()
{
    QVERIFY(setUp());
    const QString source = qEnvironmentVariable("NUMERANT_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("NUMERANT_SOURCE_DIR is not set (ctest sets it)");
    QVERIFY(QDir().mkpath(land()));
    QVERIFY(QFile::copy(source + QStringLiteral("/data/land/bezeich.txt"), land() + QStringLiteral("bezeich.txt")));
    QStringList problems;
    QCOMPARE(LanguageFileSet::writeAll(source + QStringLiteral("/data/translations"), land(), &problems), QString());

    const MasterList master(*TextLines::read(land() + QStringLiteral("bezeich.txt")));
    form1Captioned_.clear();
    form3Captioned_.clear();
    form6Captioned_.clear();
    for (int k = 0; k < master.recordCount(); ++k) {
        if (master.caption(k).isEmpty())
            continue;
        const QString window = master.windowName(k);
        (window == QLatin1String("Form3") ? form3Captioned_
         : window == QLatin1String("Form6") ? form6Captioned_ : form1Captioned_)
            .insert(master.controlName(k));
    }
    // One Saturday draw, so the draw lines show a weekday.
    QVERIFY(writeDraws({makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7)}));
    window_ = makeWindow();
    showWindow();
}

void TranslationsWindowTest::cleanup()
{
    tearDown();
}

void TranslationsWindowTest::languageRows()
{
    QTest::addColumn<QString>("code");
    for (const Language& language : Languages::all())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

void TranslationsWindowTest::switchTo(const QString& code)
{
    for (const Language& language : Languages::all())
        if (language.code == code)
            window_->findChild<QAction*>(language.menuItem)->trigger();
    QCoreApplication::processEvents();
}

std::vector<QWidget*> TranslationsWindowTest::visiblePages() const
{
    return shownPages(*window_->PageControl1);
}

QStringList TranslationsWindowTest::problemsOn(QWidget* page, const QSet<QString>& captioned,
                                               const QString& where) const
{
    QStringList problems;
    QHash<QChar, QString> mnemonics;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !captioned.contains(widget->objectName()))
            continue;
        const QString caption = captionOf(widget);
        if (caption.isEmpty())
            continue;
        const QString name = where + u'/' + widget->objectName() + QStringLiteral(" \"") + caption + u'"';
        if (const QString why = cutOff(widget, page); !why.isEmpty())
            problems << name + QStringLiteral(": ") + why;
        if (const QChar key = mnemonicOf(caption); !key.isNull()) {
            if (mnemonics.contains(key))
                problems << name + QStringLiteral(": accelerator also used by ") + mnemonics[key];
            mnemonics.insert(key, widget->objectName());
        }
    }
    for (QTabWidget* tabs : page->findChildren<QTabWidget*>(Qt::FindDirectChildrenOnly))
        if (tabs->isVisible() && tabs->tabBar()->sizeHint().width() > tabs->tabBar()->width())
            problems << where + QStringLiteral(": the tab captions need %1 px, have %2")
                                    .arg(tabs->tabBar()->sizeHint().width())
                                    .arg(tabs->tabBar()->width());
    return problems;
}

void TranslationsWindowTest::everyCaptionFits_data()
{
    languageRows();
}

void TranslationsWindowTest::everyCaptionFits()
{
    QFETCH(QString, code);
    switchTo(code);
    QCOMPARE(window_->size(), QSize(560, 460));

    QStringList problems;
    QTabWidget* tabs = window_->PageControl1;
    if (tabs->tabBar()->sizeHint().width() > tabs->tabBar()->width())
        problems << QStringLiteral("the main tab captions need %1 px, have %2")
                        .arg(tabs->tabBar()->sizeHint().width())
                        .arg(tabs->tabBar()->width());
    QMenuBar* menu = window_->menuBar();
    if (menu->sizeHint().width() > menu->width())
        problems << QStringLiteral("the menu bar needs %1 px, has %2").arg(menu->sizeHint().width()).arg(menu->width());

    for (QWidget* page : visiblePages()) {
        // Show the page (and the outer page holding it) in front.
        for (QWidget* up = page; up && up != window_.get(); up = up->parentWidget())
            if (auto* holder = qobject_cast<QTabWidget*>(up->parentWidget() ? up->parentWidget()->parentWidget() : nullptr))
                holder->setCurrentWidget(up);
        QCoreApplication::processEvents();
        problems << problemsOn(page, form1Captioned_, page->objectName());
    }

    for (QWidget* dialog : {static_cast<QWidget*>(window_->form3()), static_cast<QWidget*>(window_->form6())}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        problems << problemsOn(dialog, dialog == window_->form3() ? form3Captioned_ : form6Captioned_,
                               dialog->objectName());
        dialog->hide();
    }
    QVERIFY2(problems.isEmpty(), qPrintable(code + QStringLiteral(":\n  ") + problems.join(QStringLiteral("\n  "))));
}

void TranslationsWindowTest::roundTripReturnsToGerman_data()
{
    languageRows();
}

void TranslationsWindowTest::roundTripReturnsToGerman()
{
    QFETCH(QString, code);
    const LanguageItems items({window_.get(), window_->form3(), window_->form6()});
    const auto snapshot = [&] {
        QStringList texts;
        for (LanguageItem* item : items.items())
            texts << item->windowName() + u'.' + item->name() + u'|' + item->caption() + u'|' + item->hint();
        for (const char* group : {"RadioGroup1", "RadioGroup2", "RadioGroup3", "RadioGroup4"})
            texts << QLatin1String(group) + u'|' + window_->findChild<RadioGroup*>(QLatin1String(group))->items().join(u'|');
        texts << window_->textTable.lines();
        return texts;
    };
    const QStringList german = snapshot();
    QHash<QString, QString> germanCaptions;
    for (LanguageItem* item : items.items())
        germanCaptions.insert(item->windowName() + u'.' + item->name(), item->caption());
    QCOMPARE(window_->textTable.lines(), TextTable::defaults());

    switchTo(code);
    // Every caption, hint, option item and message is the language's own.
    const MasterList master(*TextLines::read(land() + QStringLiteral("bezeich.txt")));
    const std::optional<QStringList> translation = TextLines::read(land() + QStringLiteral("bezeich.txt.") + code);
    for (LanguageItem* item : items.items()) {
        std::optional<int> record;
        for (int r = 0; r < master.recordCount() && !record; ++r)
            if (master.windowName(r) == item->windowName() && master.controlName(r) == item->name())
                record = r;
        if (!record)
            continue;
        const QString caption = translation ? translation->value(2 * *record) : master.caption(*record);
        const QString hint = translation ? translation->value(2 * *record + 1) : master.hint(*record);
        const QString name = item->windowName() + u'.' + item->name();
        // A label an operation writes into (the cross sum) starts with its
        // design text and keeps what the operation added.
        const bool written = germanCaptions.value(name) != master.caption(*record);
        if (item->kind() != LanguageItem::Kind::EntryField)
            QVERIFY2(written ? item->caption().startsWith(caption) : item->caption() == caption,
                     qPrintable(name + QStringLiteral(": ") + item->caption()));
        QVERIFY2(item->hint() == hint, qPrintable(name + QStringLiteral(": ") + item->hint()));
    }
    const auto fileLines = [&](const QString& stem) { return *TextLines::read(land() + stem + u'.' + code); };
    QCOMPARE(window_->findChild<RadioGroup*>(QStringLiteral("RadioGroup1"))->items(), fileLines(QStringLiteral("Radio1.txt")));
    QCOMPARE(window_->findChild<RadioGroup*>(QStringLiteral("RadioGroup2"))->items(), fileLines(QStringLiteral("Radio2.txt")));
    QCOMPARE(window_->findChild<RadioGroup*>(QStringLiteral("RadioGroup3"))->items(), fileLines(QStringLiteral("Radio3.txt")));
    QCOMPARE(window_->findChild<RadioGroup*>(QStringLiteral("RadioGroup4"))->items(), fileLines(QStringLiteral("Radio3.txt")));
    QCOMPARE(window_->textTable.lines(), fileLines(QStringLiteral("meldungen.txt")));
    // The computed filter line speaks the language too, its numbers kept.
    const FilterCountLine* filterLine = window_->berechnungPage()->filterCountLine();
    const QString filterWords = fileLines(QStringLiteral("meldungen.txt")).value(63).section(u'%', 0, 0);
    QVERIFY(!filterWords.isEmpty());
    QTRY_VERIFY2(filterLine->text().startsWith(filterWords), qPrintable(filterLine->text()));
    QVERIFY2(filterLine->text().contains(Languages::locale(code).toString(13983816)), qPrintable(filterLine->text()));
    const QLabel* drawLine = window_->findChild<QLabel*>(QStringLiteral("Label35"));
    QVERIFY(drawLine);
    QVERIFY2(drawLine->text().startsWith(shortWeekdayNames(window_->Sprache).at(6) + QStringLiteral(" 05.12.20")),
             qPrintable(drawLine->text()));

    switchTo(QStringLiteral("de"));
    QVERIFY2(filterLine->text().startsWith(QStringLiteral("Die Filter lassen ")), qPrintable(filterLine->text()));
    const QStringList back = snapshot();
    for (qsizetype i = 0; i < german.size(); ++i)
        QCOMPARE(back.value(i), german[i]);
    QCOMPARE(back.size(), german.size());
}

void TranslationsWindowTest::textsMadeByTheProgramFollow_data()
{
    languageRows();
}

void TranslationsWindowTest::textsMadeByTheProgramFollow()
{
    QFETCH(QString, code);
    // A status text shown before the switch: no draw service is set.
    window_->Aktualisieren1->trigger();
    QCOMPARE(window_->statusPanel(0), TextTable().line(59));

    switchTo(code);
    const QStringList lines = TextLines::read(land() + QStringLiteral("meldungen.txt.") + code).value_or(TextTable::defaults());
    QCOMPARE(window_->statusPanel(0), lines.value(59));
    for (const char* picker : {"DateTimePicker1", "DateTimePicker2"})
        QCOMPARE(window_->findChild<QDateEdit*>(QLatin1String(picker))->toolTip(),
                 lines.value(TextLine::DatePickerHint));
    QCOMPARE(window_->form3()->findChild<UpDown*>(QStringLiteral("UpDown7"))->specialValueText(),
             lines.value(TextLine::NoBonus));
    // A message made deep in a library, here on a database that cannot be opened.
    QString error;
    QVERIFY(!DrawFile(programDir_ + QStringLiteral("missing/ZahlenOB.dat")).readAll(&error));
    QVERIFY2(error.startsWith(lines.value(TextLine::CannotOpen).section(QStringLiteral("%1"), 0, 0)), qPrintable(error));
    // The language menu names each language in its own language, in every language.
    for (const Language& language : Languages::all())
        QCOMPARE(window_->findChild<QAction*>(language.menuItem)->text(), language.caption);
}

QTEST_MAIN(TranslationsWindowTest)
#include "tst_translations_window.moc"
