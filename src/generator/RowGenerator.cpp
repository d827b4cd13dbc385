#include "generator/RowGenerator.h"

#include "generator/HistoryIndex.h"
#include "generator/NumberPool.h"
#include "generator/Random.h"
#include "generator/RowFilters.h"

#include <algorithm>
#include <vector>

namespace {

// One candidate from the pool: six different numbers, each pick one entry
// with equal chance; a pick equal to a number already taken is discarded.
// The caller makes sure the pool holds six different numbers.
Row drawCandidate(const NumberPool& pool, Random& random)
{
    Row row{};
    int filled = 0;
    while (filled < 6) {
        const int n = pool.entry(int(random.below(std::uint32_t(pool.count()))));
        if (std::find(row.begin(), row.begin() + filled, n) == row.begin() + filled)
            row[std::size_t(filled++)] = n;
    }
    std::sort(row.begin(), row.end());
    return row;
}

} // namespace

RowRunResult generateRows(const RowRunInput& input, Random& random, GeneratorHost& host)
{
    RowRunResult result;
    std::vector<Row> rowsMade;
    rowsMade.reserve(kBoardRows);
    bool pairSwitchedOff = false;
    const bool poolCanMakeRows = input.pool.distinctNumbers() >= 6;
    int rowsProcessed = 0;

    for (int r = 1; r <= kBoardRows; ++r) {
        const std::size_t index = std::size_t(r - 1);
        Row candidate{};
        const bool locked = input.board.locked[index];
        if (locked) {
            candidate = input.board.rows[index];
        } else if (r == 1
                   || (result.runCounter < host.runLimit()
                       && rowsProcessed < host.settings().params.rowCount)) {
            for (;;) {
                if (result.runCounter >= host.runLimit())
                    break;
                if (host.stopRequested()) {
                    result.stopped = true;
                    break;
                }
                if (!poolCanMakeRows) {
                    // No row can ever be completed: end now instead of
                    // waiting for six different numbers forever.
                    result.exhausted = true;
                    result.poolTooSmall = true;
                    break;
                }
                host.processEvents();
                ++result.runCounter;
                if (!pairSwitchedOff && result.runCounter == host.runLimit() / 2) {
                    pairSwitchedOff = true;
                    host.pairRequirementSwitchedOff();
                }
                const Row drawn = drawCandidate(input.pool, random);
                host.candidateDrawn(r, drawn, crossSum(drawn));
                const GeneratorSettings& settings = host.settings();
                const FilterContext context{settings, settings.params.forcePair && !pairSwitchedOff,
                                            rowsMade, input.draws, input.history};
                if (firstFailingFilter(drawn, context) == Filter::None) {
                    candidate = drawn;
                    break;
                }
            }
        }
        if (!locked) {
            // A row completed on the very last run is discarded too.
            if (result.runCounter >= host.runLimit())
                candidate = Row{};
            std::sort(candidate.begin(), candidate.end());
            if (candidate != Row{})
                ++result.rowsGenerated;
        }
        rowsProcessed = r;
        rowsMade.push_back(candidate);
        result.rows[index] = candidate;
        host.rowFinished(r, candidate, locked);
    }
    if (result.runCounter >= host.runLimit())
        result.exhausted = true;
    return result;
}

QString progressText(int row, const Row& sorted, int crossSum, const QString& tipWord)
{
    QString text = QString::number(row) + QLatin1Char('.') + tipWord + QStringLiteral(":  ");
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i == 1)
            text += QLatin1Char(' ');
        else if (i > 1)
            text += QStringLiteral("  ");
        text += QString::number(sorted[i]);
    }
    // Rows 2 to 4 get wider separators, as they always had.
    const char* separator = "  QS: ";
    if (row == 2 || row == 4)
        separator = "   QS: ";
    else if (row == 3)
        separator = "    QS: ";
    return text + QLatin1String(separator) + QString::number(crossSum);
}
