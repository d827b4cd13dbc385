#pragma once

#include "text/LanguageLoader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class LanguageItem;
class OptionGroup;
class QWidget;
class TextTable;

// The language files' view of the live windows: every named menu item,
// label, panel, button, check box, radio button, tab sheet, option group,
// entry field and owned window, in the order the loader visits them.
//
// Windows are given in creation order (Form1 first, then Form3, Form6); the
// window name is the window's objectName. Each window's children are walked
// depth-first in creation order without descending into other windows
// (menus excepted: their items belong to the window). Build a fresh instance
// for every language switch: it holds no texts of its own.
class LanguageItems {
public:
    explicit LanguageItems(const QList<QWidget*>& windows);
    ~LanguageItems();
    LanguageItems(const LanguageItems&) = delete;
    LanguageItems& operator=(const LanguageItems&) = delete;

    std::vector<LanguageItem*> items() const;

    // Items plus RadioGroup1..RadioGroup4 (the first of each name found in
    // any window) and the given text table.
    LanguageTargets targets(TextTable* textTable) const;

    // Applies one language; false when the master list is missing or
    // unreadable, and then nothing changed.
    bool apply(const QString& masterPath, const QString& code, TextTable* textTable) const;

    // Writes the German master list "bezeich.txt" from the live windows.
    // Returns the error text, empty on success.
    QString writeMasterList(const QString& path) const;

    // Disagreements between the live windows and a master list file; empty
    // when they agree.
    QStringList differences(const QString& masterPath) const;

private:
    std::vector<std::unique_ptr<LanguageItem>> items_;
    std::vector<std::unique_ptr<OptionGroup>> groups_; // RadioGroup1..4, null when absent
};
