#include "text/MasterListWriter.h"

#include "text/AtomicFile.h"

#include "text/LanguageItem.h"
#include "text/MasterList.h"

#include <QSet>

namespace {

QString label(const LanguageItem& item)
{
    return item.windowName() + u'.' + item.name();
}

QString designCaption(const LanguageItem& item)
{
    // An entry field's text is user data, never a design text.
    return item.kind() == LanguageItem::Kind::EntryField ? QString() : item.caption();
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

} // namespace

QStringList MasterListWriter::recordLines(const std::vector<LanguageItem*>& items, QStringList* problems)
{
    QStringList lines;
    QSet<QString> seen;
    for (const LanguageItem* item : items) {
        const QString caption = designCaption(*item);
        const QString hint = item->hint();
        if (problems) {
            if (seen.contains(label(*item)))
                problems->append(label(*item) + QStringLiteral(": name used twice in one window"));
            if (hasLineBreak(caption) || hasLineBreak(hint))
                problems->append(label(*item) + QStringLiteral(": caption or hint holds a line break"));
        }
        seen.insert(label(*item));
        lines << item->windowName() << item->name() << caption << hint
              << QString::number(item->charset());
    }
    return lines;
}

QString MasterListWriter::write(const QString& path, const std::vector<LanguageItem*>& items)
{
    QStringList problems;
    const QStringList lines = recordLines(items, &problems);
    if (!problems.isEmpty())
        return problems.join(u'\n');

    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return AtomicFile::write(path, bytes).reason;
}

QStringList MasterListWriter::differences(const QStringList& masterLines,
                                          const std::vector<LanguageItem*>& items)
{
    const MasterList master(masterLines);
    QStringList found;
    std::vector<bool> used(size_t(master.recordCount()), false);
    int cursor = 0;
    for (const LanguageItem* item : items) {
        const std::optional<int> k = master.find(cursor, item->windowName(), item->name());
        if (!k) {
            found << label(*item) + QStringLiteral(": no record within reach of record %1").arg(cursor);
            continue;
        }
        cursor = *k;
        used[size_t(*k)] = true;
        const auto compare = [&](const char* what, const QString& inList, const QString& inWindow) {
            if (inList != inWindow)
                found << label(*item) + QStringLiteral(": %1 %2 in the list, %3 in the window")
                                            .arg(QLatin1String(what), quoted(inList), quoted(inWindow));
        };
        if (item->kind() != LanguageItem::Kind::EntryField)
            compare("caption", master.caption(*k), item->caption());
        compare("hint", master.hint(*k), item->hint());
        if (item->kind() != LanguageItem::Kind::MenuItem
            && MasterList::parseCharset(master.charsetText(*k)) != item->charset())
            compare("character set", master.charsetText(*k), QString::number(item->charset()));
    }
    for (int k = 0; k < master.recordCount(); ++k)
        if (!used[size_t(k)])
            found << QStringLiteral("record %1 (%2.%3) is used by no item")
                         .arg(k)
                         .arg(master.windowName(k), master.controlName(k));
    return found;
}
