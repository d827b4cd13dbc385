#include "draws/DrawEditing.h"

#include "draws/DateSerial.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool isEarlyWednesday(const Draw& draw)
{
    static const double firstWednesdayDraw = DateSerial::fromDate(QDate(1986, 6, 4));
    return draw.datum < firstWednesdayDraw && DateSerial::weekday(draw.datum) == DateSerial::Wednesday;
}

std::optional<Draw> referenceDraw(const std::vector<Draw>& draws, double day)
{
    if (draws.empty())
        return std::nullopt;
    const auto match = std::find_if(draws.begin(), draws.end(), [day](const Draw& d) { return d.datum == day; });
    return match != draws.end() ? *match : draws.back();
}

EntryResult insertOrReplace(const std::vector<Draw>& stored, const Draw& entry)
{
    EntryResult result;
    result.record = entry;
    std::sort(result.record.zahlen.begin(), result.record.zahlen.begin() + 6);

    const double datum = result.record.datum;
    result.append = std::all_of(stored.begin(), stored.end(), [datum](const Draw& d) { return datum > d.datum; });
    if (result.append)
        return result;

    bool written = false;
    result.draws.reserve(stored.size() + 1);
    for (const Draw& draw : stored) {
        if (isEarlyWednesday(draw))
            continue;
        if (!written && draw.datum >= datum) {
            result.draws.push_back(result.record);
            written = true;
        }
        if (draw.datum != datum)
            result.draws.push_back(draw);
    }
    // Every later record may have been an early Wednesday that was dropped;
    // the entry must not be dropped with them.
    if (!written)
        result.draws.push_back(result.record);
    return result;
}

std::vector<Draw> withoutDate(const std::vector<Draw>& stored, double datum)
{
    std::vector<Draw> kept;
    kept.reserve(stored.size());
    std::copy_if(stored.begin(), stored.end(), std::back_inserter(kept),
                 [datum](const Draw& d) { return d.datum != datum; });
    return kept;
}

QString storeEntry(const DrawFile& file, const Draw& entry)
{
    QString error;
    const auto stored = file.readAll(&error);
    if (!stored)
        return error;
    const EntryResult result = insertOrReplace(*stored, entry);
    if (result.append)
        return file.append({result.record});
    return file.rewrite(result.draws, file.path() + QLatin1Char('~'));
}

QString deleteDrawsOf(const DrawFile& file, double datum)
{
    QString error;
    const auto stored = file.readAll(&error);
    if (!stored)
        return error;
    const QString temp = QFileInfo(file.path()).dir().filePath(QStringLiteral("Zahlen.da~"));
    return file.rewrite(withoutDate(*stored, datum), temp);
}
