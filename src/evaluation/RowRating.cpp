#include "evaluation/RowRating.h"

RowRating rateRow(const std::array<QString, 6>& cells, const std::array<qint32, 9>& zahl)
{
    RowRating rating;
    std::array<quint8, 6> numbers{};
    for (std::size_t k = 0; k < 6; ++k) {
        bool ok = false;
        const int value = cells[k].trimmed().toInt(&ok);
        // The row is handled as bytes; a value that does not fit would wrap
        // into a different number, so such a row is not rated at all.
        if (!ok || value < 0 || value > 255)
            return rating;
        numbers[k] = static_cast<quint8>(value);
    }

    rating.valid = true;
    for (quint8 n : numbers)
        rating.crossSum += n;

    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i + 1; j < 6; ++j)
            if (numbers[j] < numbers[i])
                std::swap(numbers[i], numbers[j]);
    rating.sorted = numbers;
    for (std::size_t k = 0; k < 6; ++k)
        rating.sortedTexts[k] = QString::number(numbers[k]);

    rating.check = zettelcheck(rating.sortedTexts, zahl);
    for (std::size_t k = 0; k < 6; ++k)
        rating.cellState[k] = rating.check.treffer[k + 1];
    rating.hitsText = QString::number(rating.check.gewinn);
    if (rating.check.zusatz)
        rating.hitsText += QStringLiteral(" + B");
    rating.highlight = rating.check.gewinn >= 3;
    return rating;
}
