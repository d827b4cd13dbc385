// The weight list read from any bytes, written and read back.
#include "FuzzInput.h"

#include "generator/WeightList.h"

#include <QBuffer>

using FuzzInput::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = FuzzInput::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    QString error;
    if (!WeightList::decode(buffer, lines, error)) {
        check(!error.isEmpty() && lines.isEmpty());
        return 0;
    }
    check(lines.size() == WeightList::Lines);
    for (const QString& line : lines)
        check(!line.contains(u'\r') && !line.contains(u'\n'));
    // Once read, a list survives saving unchanged.
    check(WeightList::decode(WeightList::encode(lines)) == lines);
    return 0;
}
