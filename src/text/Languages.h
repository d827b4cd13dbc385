#pragma once

#include <QLocale>
#include <QString>
#include <span>

// One interface language: its menu item, the menu caption, the code that
// names its files and the number kept in `Sprache` and the settings.
struct Language {
    QString menuItem;
    QString caption;
    QString code;
    int number;
};

// The nine languages in menu order. The numbers are not in menu order
// (Polish is 8, Dutch 6): they are stored in settings written by older
// versions and must keep their meaning.
class Languages {
public:
    static std::span<const Language> all();
    static const Language* byNumber(int number);
    static const Language* byMenuItem(const QString& menuItem);
    // How numbers are written in the language of a file code; German for an
    // unknown code.
    static QLocale locale(const QString& code);
};
