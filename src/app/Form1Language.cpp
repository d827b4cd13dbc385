#include "app/TForm1.h"

#include "app/LanguageItems.h"
#include "app/dialogs/TForm3.h"
#include "app/dialogs/TForm6.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatePicker.h"
#include "app/pages/FilterCountLine.h"
#include "app/pages/LottotippPage.h"
#include "platform/QtTranslations.h"
#include "text/Languages.h"
#include "text/UiText.h"

#include <QAction>
#include <QPlainTextEdit>

namespace {

// The ISO code of a language number, for Qt's own translations; the codes of
// the language files ("sp", "cz") are not ISO codes.
QString qtLanguageCode(qint32 number)
{
    static const char* const codes[] = {"de", "en", "fr", "es", "tr", "ru", "nl", "cs", "pl"};
    return number >= 0 && number < qint32(std::size(codes)) ? QLatin1String(codes[number])
                                                            : QStringLiteral("de");
}

} // namespace

void TForm1::connectLanguage()
{
    connect(Deutsch1, &QAction::triggered, this, &TForm1::Deutsch1Click);
    connect(Englisch1, &QAction::triggered, this, &TForm1::Englisch1Click);
    connect(Franzsisch1, &QAction::triggered, this, &TForm1::Franzsisch1Click);
    connect(Spanisch1, &QAction::triggered, this, &TForm1::Spanisch1Click);
    connect(Trkisch1, &QAction::triggered, this, &TForm1::Trkisch1Click);
    connect(Russisch1, &QAction::triggered, this, &TForm1::Russisch1Click);
    connect(Polnisch1, &QAction::triggered, this, &TForm1::Polnisch1Click);
    connect(schechisch1, &QAction::triggered, this, &TForm1::schechisch1Click);
    connect(Niederlndisch1, &QAction::triggered, this, &TForm1::Niederlndisch1Click);
    showTextTable();
}

void TForm1::applyLanguage(qint32 language)
{
    if (Languages::byNumber(language))
        runLanguage(language);
}

void TForm1::DateiLaden1Click(const QString& Dateiname, const QString& Sprache)
{
    LanguageItems({this, form3(), form6()}).apply(Dateiname, Sprache, &textTable);
    UiText::install(textTable);
    form3()->showLanguageTexts();
    DatePicker::showHints(this);
    showTextTable();
    berechnungPage()->filterCountLine()->setTexts(FilterCountTexts::from(textTable, Languages::locale(Sprache)));
}

void TForm1::runLanguage(qint32 number)
{
    const Language* language = Languages::byNumber(number);
    if (!language)
        return;
    DateiLaden1Click(ProgramDir + QStringLiteral("land/bezeich.txt"), language->code);
    Sprache = number;
    for (const Language& other : Languages::all())
        if (QAction* item = findChild<QAction*>(other.menuItem, Qt::FindDirectChildrenOnly))
            item->setChecked(other.number == number);
    QtTranslations::use(qtLanguageCode(number));
    showStatusAgain();
    // The captions just applied include the design texts of the draw line
    // and the rating labels.
    showDrawAgain();
    showTicket(); // the run's choices are words of the language
    showSystem();
}

void TForm1::showTextTable()
{
    // Only the lines the program reads: a message file of thousands of long
    // lines would otherwise be laid out in full, in a box nobody sees.
    if (QPlainTextEdit* memo = lottotippPage()->textTableMemo())
        memo->setPlainText(textTable.lines().mid(0, TextTable::defaults().size()).join(u'\n'));
}

void TForm1::Deutsch1Click() { runLanguage(0); }

void TForm1::Englisch1Click() { runLanguage(1); }

void TForm1::Franzsisch1Click() { runLanguage(2); }

void TForm1::Spanisch1Click() { runLanguage(3); }

void TForm1::Trkisch1Click() { runLanguage(4); }

void TForm1::Russisch1Click() { runLanguage(5); }

void TForm1::Niederlndisch1Click() { runLanguage(6); }

void TForm1::schechisch1Click() { runLanguage(7); }

void TForm1::Polnisch1Click() { runLanguage(8); }
