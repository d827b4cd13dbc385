#pragma once

#include <QStringList>
#include <optional>

// The master list of captions: records of five lines each (window name,
// control name, caption, hint, character set). Lines past the end read as
// empty, so a truncated last record still has its names.
class MasterList {
public:
    static constexpr int linesPerRecord = 5;
    // How many records past the cursor a lookup may reach, the cursor's own
    // record included.
    static constexpr int searchWidth = 11;

    explicit MasterList(QStringList lines = {});

    int recordCount() const;
    QString windowName(int record) const;
    QString controlName(int record) const;
    QString caption(int record) const;
    QString hint(int record) const;
    QString charsetText(int record) const;

    // First record in from .. from+10 owned by `window` and named `name`.
    // Names are compared without surrounding blanks, case-sensitively.
    std::optional<int> find(int from, const QString& window, const QString& name) const;

    // A character-set line as a number; nothing when it is not a whole
    // number a font can take (0..255).
    static std::optional<int> parseCharset(const QString& text);

private:
    QString line(qsizetype index) const;

    QStringList lines_;
};
