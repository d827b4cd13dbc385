// A tip file read from any bytes, written, read back, printed and rated.
#include "FuzzInput.h"

#include "evaluation/BoardRating.h"
#include "tipfiles/TipFile.h"
#include "tipfiles/TipPrintout.h"

#include <QBuffer>
#include <QLocale>

using FuzzInput::check;

namespace {

std::optional<TipFile::Content> readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    auto content = TipFile::read(buffer, &error);
    check(content.has_value() || !error.isEmpty());
    return content;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<TipFile::Content> content = readBytes(FuzzInput::bytes(data, size));
    if (!content) {
        check(size > std::size_t(TipFile::maxFileSize)); // a buffer never fails otherwise
        return 0;
    }
    check(content->rowsRead >= 0 && content->rowsRead <= 12);
    check(!content->losNr || content->rowsRead == 12);

    // What was read is written as thirteen lines and reads back the same,
    // except that a comma in the sixth cell splits it differently.
    const QString losNr = content->losNr.value_or(QString());
    const QByteArray written = TipFile::format(content->rows, losNr);
    const std::optional<TipFile::Content> again = readBytes(written);
    check(again && again->rowsRead == 12 && again->losNr == losNr);
    bool commaInLastCell = false;
    for (const auto& row : content->rows)
        commaInLastCell = commaInLastCell || row[5].contains(u',');
    if (!commaInLastCell)
        check(again->rows == content->rows);

    TipPrintout::lines(content->rows, QDate(2024, 1, 6), QStringLiteral("Tipp"), QLocale(QLocale::German));
    const std::array<qint32, 9> zahl{0, 3, 9, 17, 28, 36, 44, 12, 5};
    const BoardRating rating = rateBoard(content->rows, zahl);
    for (const RowRating& row : rating.rows)
        check(!row.valid || (row.check.gewinn <= 36 && row.crossSum >= 0));
    return 0;
}
