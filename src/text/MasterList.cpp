#include "text/MasterList.h"

#include <algorithm>

MasterList::MasterList(QStringList lines) : lines_(std::move(lines)) {}

int MasterList::recordCount() const
{
    return int((lines_.size() + linesPerRecord - 1) / linesPerRecord);
}

QString MasterList::line(qsizetype index) const
{
    return index >= 0 && index < lines_.size() ? lines_[index] : QString();
}

QString MasterList::windowName(int record) const { return line(qsizetype(record) * linesPerRecord).trimmed(); }
QString MasterList::controlName(int record) const { return line(qsizetype(record) * linesPerRecord + 1).trimmed(); }
QString MasterList::caption(int record) const { return line(qsizetype(record) * linesPerRecord + 2); }
QString MasterList::hint(int record) const { return line(qsizetype(record) * linesPerRecord + 3); }
QString MasterList::charsetText(int record) const { return line(qsizetype(record) * linesPerRecord + 4); }

std::optional<int> MasterList::find(int from, const QString& window, const QString& name) const
{
    // An unnamed item would match every blank record.
    if (name.isEmpty())
        return std::nullopt;
    // Widened before adding, so a start near the top of int cannot wrap round.
    const int last = int(std::min<qint64>(qint64(from) + searchWidth, recordCount()));
    for (int k = std::max(from, 0); k < last; ++k)
        if (controlName(k) == name && windowName(k) == window)
            return k;
    return std::nullopt;
}

std::optional<int> MasterList::parseCharset(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < 0 || value > 255)
        return std::nullopt;
    return value;
}
