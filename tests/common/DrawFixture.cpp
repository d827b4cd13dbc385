#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"

#include <QDir>

Draw makeDraw(const QDate& date, const std::array<int, 6>& numbers, int bonus, int super)
{
    Draw draw;
    draw.datum = DateSerial::fromDate(date);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        draw.zahlen[i] = static_cast<std::uint8_t>(numbers[i]);
    draw.zahlen[6] = static_cast<std::uint8_t>(bonus);
    draw.zahlen[7] = static_cast<std::uint8_t>(super);
    return draw;
}

QString writeDatabase(const QString& dir, const std::vector<Draw>& draws)
{
    const QString path = QDir(dir).filePath(QStringLiteral("ZahlenOB.dat"));
    const DrawFile file(path);
    if (!file.create().isEmpty() || !file.append(draws).isEmpty())
        return {};
    return path;
}

std::vector<Draw> fiveSaturdays()
{
    return {makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7),
            makeDraw(QDate(2020, 1, 11), {1, 2, 3, 10, 11, 12}, 13),
            makeDraw(QDate(2020, 1, 18), {1, 2, 20, 21, 22, 23}, 24),
            makeDraw(QDate(2020, 1, 25), {1, 30, 31, 32, 33, 34}, 35),
            makeDraw(QDate(2020, 2, 1), {40, 41, 42, 43, 44, 45}, 46)};
}

std::vector<Draw> decemberWeekdays()
{
    return {makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7),
            makeDraw(QDate(2020, 12, 8), {3, 11, 17, 25, 38, 44}, 7),
            makeDraw(QDate(2020, 12, 9), {1, 2, 3, 4, 5, 6}, 9),
            makeDraw(QDate(2020, 12, 10), {3, 11, 17, 25, 38, 44}, 7),
            makeDraw(QDate(2020, 12, 12), {10, 20, 30, 40, 41, 42}, 43)};
}
