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
    std::optional<QStringList> masterLines = TextLines::read(masterPath);
    if (!masterLines)
        return false;
    const QDir folder = QFileInfo(masterPath).dir();
    const auto fileOf = [&](const char* stem) { return folder.filePath(QLatin1String(stem) + u'.' + code); };
    LanguageFiles files;
    files.master = std::move(*masterLines);
    // A translation list that exists but cannot be read counts as absent:
    // reading it as empty would blank every caption.
    files.translation = TextLines::read(masterPath + u'.' + code);
    files.radio = {TextLines::read(fileOf("Radio1.txt")), TextLines::read(fileOf("Radio2.txt")),
                   TextLines::read(fileOf("Radio3.txt"))};
    files.messages = TextLines::read(fileOf("meldungen.txt"));
    apply(files, targets);
    return true;
}

void LanguageLoader::apply(const LanguageFiles& files, const LanguageTargets& targets)
{
    const MasterList master(files.master);
    const std::optional<QStringList>& translation = files.translation;

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

    const auto replaceGroup = [&](int index, const std::optional<QStringList>& items) {
        if (items && targets.radioGroups[std::size_t(index)])
            replaceItems(*targets.radioGroups[std::size_t(index)], *items);
    };
    replaceGroup(0, files.radio[0]);
    replaceGroup(1, files.radio[1]);
    replaceGroup(2, files.radio[2]);
    replaceGroup(3, files.radio[2]);

    if (targets.textTable && files.messages)
        targets.textTable->setLines(*files.messages);
}
