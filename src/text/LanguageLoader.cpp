#include "text/LanguageLoader.h"

#include "text/LanguageItem.h"
#include "text/MasterList.h"
#include "text/OptionGroup.h"
#include "text/TextLines.h"
#include "text/TextTable.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

QString lineAt(const QStringList& lines, qsizetype index)
{
    return index >= 0 && index < lines.size() ? lines[index] : QString();
}

struct Texts {
    QString caption;
    QString hint;
    std::optional<QString> charset; // only the master list carries one
};

void applyTo(LanguageItem& item, const Texts& texts)
{
    if (item.kind() != LanguageItem::Kind::EntryField)
        item.setCaption(texts.caption);
    item.setHint(texts.hint);
    if (!texts.charset || item.kind() == LanguageItem::Kind::MenuItem)
        return;
    if (const std::optional<int> charset = MasterList::parseCharset(*texts.charset))
        item.setCharset(*charset);
}

} // namespace

void LanguageLoader::replaceItems(OptionGroup& group, const QStringList& items)
{
    if (items.isEmpty())
        return;
    const int selected = group.itemIndex();
    const int last = int(items.size()) - 1;
    group.setItems(items, selected > last ? last : selected);
}

bool LanguageLoader::apply(const QString& masterPath, const QString& code,
                           const LanguageTargets& targets)
{
    const std::optional<QStringList> masterLines = TextLines::read(masterPath);
    if (!masterLines)
        return false;
    const MasterList master(*masterLines);
    // A translation list that exists but cannot be read counts as absent:
    // reading it as empty would blank every caption.
    const std::optional<QStringList> translation = TextLines::read(masterPath + u'.' + code);

    int cursor = 0;
    for (LanguageItem* item : targets.items) {
        const std::optional<int> k = master.find(cursor, item->windowName().trimmed(), item->name().trimmed());
        if (!k)
            continue;
        cursor = *k;
        if (translation)
            applyTo(*item, {lineAt(*translation, 2 * qsizetype(*k)),
                            lineAt(*translation, 2 * qsizetype(*k) + 1), std::nullopt});
        else
            applyTo(*item, {master.caption(*k), master.hint(*k), master.charsetText(*k)});
    }

    const QDir folder = QFileInfo(masterPath).dir();
    const auto fileOf = [&](const char* stem) { return folder.filePath(QLatin1String(stem) + u'.' + code); };
    const auto replaceGroup = [&](int index, const std::optional<QStringList>& items) {
        if (items && targets.radioGroups[index])
            replaceItems(*targets.radioGroups[index], *items);
    };
    replaceGroup(0, TextLines::read(fileOf("Radio1.txt")));
    replaceGroup(1, TextLines::read(fileOf("Radio2.txt")));
    const std::optional<QStringList> radio3 = TextLines::read(fileOf("Radio3.txt"));
    replaceGroup(2, radio3);
    replaceGroup(3, radio3);

    if (targets.textTable)
        if (const std::optional<QStringList> messages = TextLines::read(fileOf("meldungen.txt")))
            targets.textTable->setLines(*messages);
    return true;
}
