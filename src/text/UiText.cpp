#include "text/UiText.h"

#include "text/TextTable.h"

#include <QReadWriteLock>
#include <QStringList>

namespace {

// Lines from this index on were added after the first message files.
constexpr int kFirstAppendedLine = 56;

struct Installed {
    QReadWriteLock lock;
    QStringList lines = TextTable::defaults();
};

Installed& installed()
{
    static Installed instance;
    return instance;
}

} // namespace

namespace UiText {

QString line(int index)
{
    if (index < 0)
        return {};
    Installed& current = installed();
    QString text;
    {
        QReadLocker locker(&current.lock);
        if (index < current.lines.size())
            text = current.lines[index];
    }
    if (text.isEmpty() && index >= kFirstAppendedLine) {
        static const QStringList german = TextTable::defaults();
        text = german.value(index);
    }
    return text;
}

void install(const TextTable& table)
{
    Installed& current = installed();
    const QStringList lines = table.lines();
    QWriteLocker locker(&current.lock);
    current.lines = lines;
}

} // namespace UiText
