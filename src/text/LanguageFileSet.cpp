#include "text/LanguageFileSet.h"

#include "text/AtomicFile.h"

#include "text/Languages.h"
#include "text/MasterList.h"
#include "text/TextLines.h"
#include "text/TextTable.h"
#include "text/TranslationSource.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace {

bool endsWithBlank(const QString& text)
{
    return text.endsWith(u' ');
}

QString ref(const QString& kind, int index)
{
    return kind + u' ' + QString::number(index);
}

// The %1, %2 … a text line has for the numbers and names the program fills
// in; a translation that drops or adds one shows a wrong or raw message.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// Lines of one indexed list, German where the source has none, with the
// problems of the source named.
QStringList indexedLines(const QString& kind, const QStringList& german, const QMap<int, QString>& given,
                         bool checkBlanks, QStringList* problems)
{
    QStringList lines;
    for (int i = 0; i < german.size(); ++i) {
        const auto found = given.constFind(i);
        if (found == given.cend()) {
            *problems << QStringLiteral("missing ") + ref(kind, i) + QStringLiteral(" (German: \"%1\")").arg(german[i]);
            lines << german[i];
            continue;
        }
        if (checkBlanks && endsWithBlank(german[i]) != endsWithBlank(*found))
            *problems << ref(kind, i)
                             + (endsWithBlank(german[i]) ? QStringLiteral(": the German line ends with a blank, this one not")
                                                         : QStringLiteral(": ends with a blank, the German line not"));
        if (checkBlanks && placeholders(german[i]) != placeholders(*found))
            *problems << ref(kind, i)
                             + QStringLiteral(": has the places \"%1\", the German line \"%2\"")
                                   .arg(placeholders(*found).join(u' '), placeholders(german[i]).join(u' '));
        lines << *found;
    }
    for (auto it = given.cbegin(); it != given.cend(); ++it)
        if (it.key() >= german.size())
            *problems << QStringLiteral("stale ") + ref(kind, it.key()) + QStringLiteral(": there is no such German line");
    return lines;
}

} // namespace

std::array<QStringList, 3> LanguageFileSet::optionItems(const TranslationSource& germanSource)
{
    std::array<QStringList, 3> items;
    for (int list = 0; list < TranslationSource::optionLists; ++list)
        items[size_t(list)] = germanSource.options(list).values();
    return items;
}

GeneratedLanguageFiles LanguageFileSet::build(const German& german, const TranslationSource& source)
{
    GeneratedLanguageFiles files;
    files.problems = source.problems();

    QSet<QString> known;
    for (int k = 0; k < german.master.recordCount(); ++k) {
        const QString window = german.master.windowName(k);
        const QString name = german.master.controlName(k);
        known.insert(window + u'.' + name);
        const TranslationSource::Control* control = source.control(window, name);
        if (!control) {
            files.problems << QStringLiteral("missing %1.%2 (German: \"%3\" / \"%4\")")
                                  .arg(window, name, german.master.caption(k), german.master.hint(k));
            files.translation << german.master.caption(k) << german.master.hint(k);
            continue;
        }
        if (german.master.caption(k).contains(u'&') && !control->caption.contains(u'&'))
            files.problems << QStringLiteral("%1.%2: the accelerator (&) of the German caption is missing")
                                  .arg(window, name);
        files.translation << control->caption << control->hint;
    }
    for (const TranslationSource::Control& control : source.controls())
        if (!known.contains(control.window + u'.' + control.name))
            files.problems << QStringLiteral("stale %1.%2: no such control in the master list")
                                  .arg(control.window, control.name);

    files.messages = indexedLines(QStringLiteral("@text"), german.texts, source.texts(), true, &files.problems);
    for (int list = 0; list < TranslationSource::optionLists; ++list)
        files.options[size_t(list)] = indexedLines(QStringLiteral("@Radio%1").arg(list + 1),
                                                   german.options[size_t(list)], source.options(list), false,
                                                   &files.problems);
    return files;
}

GeneratedLanguageFiles LanguageFileSet::buildGerman(const German& german, const TranslationSource& germanSource)
{
    GeneratedLanguageFiles files;
    files.problems = germanSource.problems();
    for (const TranslationSource::Control& control : germanSource.controls())
        files.problems << QStringLiteral("%1.%2: German captions and hints belong in the master list")
                              .arg(control.window, control.name);
    if (!germanSource.texts().isEmpty())
        files.problems << QStringLiteral("German text-table lines belong in the program's text table");
    files.messages = german.texts;
    files.options = german.options;
    for (const QStringList& items : files.options)
        if (items.isEmpty())
            files.problems << QStringLiteral("an option list without German items");
    return files;
}

QString LanguageFileSet::writeLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    const AtomicFile::Result written = AtomicFile::write(path, bytes);
    return written.ok() ? QString() : path + QStringLiteral(": ") + written.reason;
}

QString LanguageFileSet::writeAll(const QString& sourceDir, const QString& landDir, QStringList* problems)
{
    const QDir sources(sourceDir);
    const QDir land(landDir);
    const std::optional<QStringList> masterLines = TextLines::read(land.filePath(QStringLiteral("bezeich.txt")));
    if (!masterLines)
        return land.filePath(QStringLiteral("bezeich.txt")) + QStringLiteral(": cannot be read");
    const MasterList master(*masterLines);

    const auto sourceOf = [&](const QString& code) {
        const QString path = sources.filePath(code + QStringLiteral(".tsv"));
        std::optional<TranslationSource> source = TranslationSource::read(path);
        if (!source && problems)
            *problems << path + QStringLiteral(": cannot be read");
        return source.value_or(TranslationSource());
    };
    const TranslationSource germanSource = sourceOf(QStringLiteral("de"));
    const German german{master, TextTable::defaults(), optionItems(germanSource)};

    for (const Language& language : Languages::all()) {
        const bool isGerman = language.number == 0;
        const GeneratedLanguageFiles files = isGerman ? buildGerman(german, germanSource)
                                             : build(german, sourceOf(language.code));
        if (problems)
            for (const QString& problem : files.problems)
                *problems << language.code + QStringLiteral(".tsv: ") + problem;

        const auto target = [&](const char* stem) {
            return land.filePath(QLatin1String(stem) + u'.' + language.code);
        };
        QStringList errors;
        if (!isGerman)
            errors << writeLines(target("bezeich.txt"), files.translation);
        errors << writeLines(target("meldungen.txt"), files.messages);
        errors << writeLines(target("Radio1.txt"), files.options[0]);
        errors << writeLines(target("Radio2.txt"), files.options[1]);
        errors << writeLines(target("Radio3.txt"), files.options[2]);
        errors.removeAll(QString());
        if (!errors.isEmpty())
            return errors.first();
    }
    return {};
}
