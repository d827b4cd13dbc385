#include "evaluation/Zettelcheck.h"

namespace {

// Walks the comparison in its fixed order so that a failing conversion stops
// exactly where it would: drawn numbers outer, cells inner, then the bonus.
template <typename CellValue>
CheckResult compare(CellValue&& cellValue, const std::array<qint32, 9>& zahl)
{
    CheckResult result;
    for (int i = 1; i <= 6; ++i) {
        for (int k = 0; k < 6; ++k) {
            int value = 0;
            if (!cellValue(k, value))
                return result;
            if (value == zahl[static_cast<std::size_t>(i)]) {
                result.treffer[static_cast<std::size_t>(k + 1)] = 1;
                ++result.gewinn;
            }
        }
    }
    for (int k = 0; k < 6; ++k) {
        int value = 0;
        if (!cellValue(k, value))
            return result;
        if (value == zahl[7]) {
            result.treffer[static_cast<std::size_t>(k + 1)] = 2;
            result.zusatz = true;
        }
    }
    return result;
}

} // namespace

CheckResult zettelcheck(const std::array<QString, 6>& cells, const std::array<qint32, 9>& zahl)
{
    std::array<int, 6> values{};
    std::array<bool, 6> valid{};
    for (std::size_t k = 0; k < 6; ++k) {
        bool ok = false;
        values[k] = cells[k].trimmed().toInt(&ok);
        valid[k] = ok;
    }
    return compare(
        [&](int k, int& value) {
            value = values[static_cast<std::size_t>(k)];
            return valid[static_cast<std::size_t>(k)];
        },
        zahl);
}

CheckResult zettelcheck(const std::array<int, 6>& row, const std::array<qint32, 9>& zahl)
{
    // An unused place must not match a draw that stores 0 for a missing
    // number (a draw without bonus number, for instance).
    constexpr int kNever = -1;
    return compare(
        [&](int k, int& value) {
            const int n = row[static_cast<std::size_t>(k)];
            value = n == 0 ? kNever : n;
            return true;
        },
        zahl);
}
