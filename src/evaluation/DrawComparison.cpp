#include "evaluation/DrawComparison.h"

#include "draws/DrawBrowser.h"
#include "draws/DrawLocator.h"
#include "evaluation/Zettelcheck.h"

#include <algorithm>

namespace {

// Row 1 of the board holding the reference draw's numbers, compared with
// other draws as Zettelcheck does. Comparing every draw with all earlier
// ones makes this the hot loop, hence the table lookup for the usual case
// of six valid numbers; a damaged reference goes the long way so that it
// stops where Zettelcheck stops.
class ReferenceRow {
public:
    explicit ReferenceRow(const Draw& reference)
    {
        for (int k = 0; k < 6; ++k) {
            const int n = reference.number(k);
            // The board keeps only numbers 1 to 49; anything else is an empty cell.
            if (isLottoNumber(n)) {
                cells_[std::size_t(k)] = QString::number(n);
                ++count_[std::size_t(n)];
            } else {
                allValid_ = false;
            }
        }
    }

    int hits(const Draw& draw) const
    {
        if (!allValid_)
            return zettelcheck(cells_, draw.zahl()).gewinn;
        int hits = 0;
        for (int i = 0; i < 6; ++i) {
            const int n = draw.number(i);
            if (n < int(count_.size()))
                hits += count_[std::size_t(n)];
        }
        return hits;
    }

private:
    std::array<QString, 6> cells_;
    std::array<quint8, 256> count_{};
    bool allValid_ = true;
};

void count(std::array<qint32, 7>& counts, int hits)
{
    ++counts[std::size_t(std::clamp(hits, 0, 6))];
}

} // namespace

ComparisonResult compareDraws(const std::vector<Draw>& draws, const ComparisonSetup& setup,
                              ComparisonHost& host)
{
    ComparisonResult result;
    if (draws.empty())
        return result;

    const auto next = [&](int p) { return *nextPosition(draws, p, setup.saturdays, setup.wednesdays); };
    const auto previous = [&](int p) {
        return *previousPosition(draws, p, setup.saturdays, setup.wednesdays);
    };
    const auto dateOf = [&](int p) { return draws[std::size_t(p)].datum; };

    int current = locateDraw(draws, setup.chosenDay)->index;
    double endBound = dateOf(current) + 10.0;
    bool first = true;
    result.end = ComparisonResult::End::Completed;

    while (dateOf(current) < endBound) {
        const int reference = current;
        if (!host.beginReference(reference, result.passes)) {
            result.end = ComparisonResult::End::Stopped;
            break;
        }
        result.lastReference = reference;
        const ReferenceRow row(draws[std::size_t(reference)]);

        // The first reference starts the window at the chosen day, so it
        // meets no earlier draw; later ones start at the counting window.
        const double from = first ? setup.chosenDay : setup.windowStart;
        const double before = dateOf(reference);
        for (const Draw& draw : draws) {
            if (!(draw.datum >= from && draw.datum < before))
                continue;
            const int hits = row.hits(draw);
            count(result.counts.earlier, hits);
            if (hits >= setup.threshold && !host.found(draw)) {
                result.end = ComparisonResult::End::Declined;
                result.current = reference;
                return result;
            }
        }
        endBound = draws.back().datum;

        // The next three draws, each only when the stepping really moved on;
        // the current draw ends as the one after the reference.
        double reached = before;
        int position = next(reference);
        if (dateOf(position) > reached) {
            count(result.counts.next, row.hits(draws[std::size_t(position)]));
            reached = dateOf(position);
            position = next(position);
            if (dateOf(position) > reached) {
                count(result.counts.second, row.hits(draws[std::size_t(position)]));
                reached = dateOf(position);
                position = next(position);
                if (dateOf(position) > reached) {
                    count(result.counts.third, row.hits(draws[std::size_t(position)]));
                    position = previous(position);
                }
                position = previous(position);
            }
        }
        ++result.passes;
        first = false;
        current = position;
        // Stepping that cannot pass the reference (the last draw, or weekday
        // boxes that leave no later draw to stop at) would repeat it forever.
        if (current <= reference)
            break;
    }
    result.current = current;
    return result;
}

QStringList comparisonReport(const ComparisonCounts& counts, const ComparisonHeadings& headings)
{
    QStringList lines;
    const auto group = [&](const QString& heading, const std::array<qint32, 7>& values) {
        lines << heading;
        for (int k = 0; k <= 6; ++k)
            lines << QStringLiteral("%1x    =>%2").arg(k).arg(values[std::size_t(k)]);
    };
    group(headings.earlier, counts.earlier);
    lines << QStringLiteral(" ");
    group(headings.next, counts.next);
    lines << QStringLiteral(" ");
    group(headings.second, counts.second);
    lines << QStringLiteral(" ");
    group(headings.third, counts.third);
    return lines;
}
