#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class LanguageItem;
class OptionGroup;
class TextTable;

// What one language switch may change.
struct LanguageTargets {
    std::vector<LanguageItem*> items;          // in visiting order
    std::array<OptionGroup*, 4> radioGroups{}; // RadioGroup1..RadioGroup4; null when absent
    TextTable* textTable = nullptr;
};

// The content of one language's files, each absent when its file is.
struct LanguageFiles {
    QStringList master;
    std::optional<QStringList> translation;
    std::array<std::optional<QStringList>, 3> radio; // "Radio1.txt.<code>" .. "Radio3.txt.<code>"
    std::optional<QStringList> messages;              // "meldungen.txt.<code>"
};

// Applies one language from the files beside the master list: captions,
// hints and character sets from the master list or the language's
// translation list, option items from "Radio1.txt.<code>" .. "Radio3.txt.<code>",
// the text table from "meldungen.txt.<code>".
class LanguageLoader {
public:
    // False when the master list is missing or unreadable; then nothing has
    // changed. Never shows a message.
    static bool apply(const QString& masterPath, const QString& code, const LanguageTargets& targets);
    // The same from files already read.
    static void apply(const LanguageFiles& files, const LanguageTargets& targets);

    // Replaces a group's items keeping its selected position, reduced to the
    // last item when the new list is shorter. An empty list keeps the current
    // items: a group without items has no valid setting to store.
    static void replaceItems(OptionGroup& group, const QStringList& items);
};
