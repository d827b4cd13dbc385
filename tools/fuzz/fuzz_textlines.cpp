// The language files' text lines from any bytes: byte-order marks, UTF-8,
// UTF-16 and Windows-1252, and the text table they become.
#include "FuzzInput.h"

#include "text/TextLines.h"
#include "text/TextTable.h"

using FuzzInput::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const QStringList lines = TextLines::decode(bytes);
    check(lines.size() <= TextLines::maxLines);
    for (const QString& line : lines)
        check(line.size() <= TextLines::maxLineLength && !line.contains(u'\r') && !line.contains(u'\n'));

    // Windows-1252 maps every byte to exactly one character.
    check(TextLines::decodeWindows1252(bytes).size() == bytes.size());

    TextTable table;
    table.setLines(lines);
    for (int index : {-1, 0, 24, 55, 56, int(lines.size()), int(lines.size()) + 1})
        check(index >= 0 && index < lines.size() ? table.line(index) == lines[index] : table.line(index).isEmpty());
    return 0;
}
