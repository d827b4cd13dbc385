#pragma once

#include <QString>
#include <QStringList>

// The indexed list of message and label texts that operations read by
// number. It starts with the German design texts; a language's message file
// replaces it as a whole.
class TextTable {
public:
    TextTable();

    // An index outside the table reads as the empty text, so a short message
    // file never makes a reader fail.
    QString line(int index) const;

    QStringList lines() const { return lines_; }
    void setLines(const QStringList& lines) { lines_ = lines; }
    qsizetype size() const { return lines_.size(); }

    static QStringList defaults();

private:
    QStringList lines_;
};
