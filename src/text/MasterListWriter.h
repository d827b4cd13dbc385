#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class LanguageItem;

// Writes the master list of captions from the live items, so the shipped
// file always matches the windows it describes, and compares a master list
// with the live items.
class MasterListWriter {
public:
    // Five lines per item. Items that would break the file (a line break in a
    // text, the same name twice in one window) are reported in `problems`
    // and the lines are not usable then.
    static QStringList recordLines(const std::vector<LanguageItem*>& items, QStringList* problems);

    // UTF-8 with byte-order mark and CR LF, written through a temporary file
    // so a failed write leaves the old list intact. Returns the error text,
    // empty on success.
    static QString write(const QString& path, const std::vector<LanguageItem*>& items);

    // One text per disagreement: an item the loader would not find, a text
    // that differs from the window's, a record no item uses. Empty when the
    // list and the items agree.
    static QStringList differences(const QStringList& masterLines,
                                   const std::vector<LanguageItem*>& items);
};
