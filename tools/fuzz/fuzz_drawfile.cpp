// The draw database as read from any bytes, then every statistic, browsing,
// locating, the draw texts and entry and deletion over the records read.
// A trailing fragment shorter than a record is never read as a record; its
// last byte chooses the weekday boxes, whether the start date counts and
// whether the window runs the wrong way round.
#include "FuzzInput.h"

#include "draws/CountingWindow.h"
#include "draws/DrawBrowser.h"
#include "draws/DrawEditing.h"
#include "draws/DrawFile.h"
#include "draws/DrawLocator.h"
#include "draws/DrawText.h"
#include "evaluation/BoardRating.h"
#include "stats/GroupStats.h"
#include "stats/NumberStats.h"
#include "stats/PropertyStats.h"

#include <QBuffer>

#include <limits>
#include <vector>

using FuzzInput::check;

namespace {

void runStatistics(const std::vector<Draw>& draws, const CountingWindow& window)
{
    const DrawSource source(draws);
    numberDistribution(source, window);
    overdueNumbers(source, window);
    crossSumDistribution(source, window);
    superNumberOverdue(source, window);
    for (GroupKind kind : {GroupKind::Pairs, GroupKind::Triples, GroupKind::Quads})
        groupCounts(source, window, kind);
    for (DrawProperty property : {DrawProperty::Prime, DrawProperty::Odd, DrawProperty::Even})
        perDrawCounts(source, window, property);
}

void browseFrom(const std::vector<Draw>& draws, int position, bool saturdays, bool wednesdays)
{
    const QStringList names = shortWeekdayNames(int(position & 15));
    for (const auto& step : {previousPosition, nextPosition}) {
        const std::optional<int> shown = step(draws, position, saturdays, wednesdays);
        check(shown.has_value() == !draws.empty());
        if (!shown)
            continue;
        check(*shown >= 0 && std::size_t(*shown) < draws.size());
        const Draw& draw = draws[std::size_t(*shown)];
        drawLine(draw, names, *shown == 0);
        crossSumText(draw, QStringLiteral("QS: "));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = FuzzInput::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<Draw> draws;
    const QString error = DrawFile::scan(buffer, [&](const Draw& draw, qint64 index) {
        check(index == qint64(draws.size()));
        draws.push_back(draw);
        return true;
    });
    check(error.isEmpty());
    check(draws.size() == size / 32);

    const std::uint8_t flags = size % 32 ? data[size - 1] : 0xFF;
    CountingWindow window;
    window.saturdays = flags & 1;
    window.wednesdays = flags & 2;
    window.startInclusive = flags & 4;
    window.start = draws.empty() ? 0.0 : draws.front().datum;
    window.end = draws.empty() ? 0.0 : draws.back().datum;
    // The fragment's byte also chooses a window the wrong way round; one
    // pass of the statistics per input keeps the target fast.
    if (size % 32 != 0 && (flags & 8) != 0)
        std::swap(window.start, window.end);
    runStatistics(draws, window);

    for (const double day : {window.start, window.end, 45000.0, 0.0}) {
        const std::optional<LocatedDraw> located = locateDraw(draws, day);
        check(located.has_value() == !draws.empty());
        if (!located)
            continue;
        check(located->index >= 0 && std::size_t(located->index) < draws.size());
        browseFrom(draws, located->index, flags & 1, flags & 2);
        const BoardRows board{{{"1", "2", "3", "4", "5", "6"}, {"7", "13", "22", "31", "40", "49"}}};
        rateBoard(board, located->draw.zahl());
    }
    for (const int position : {-1, 0, int(draws.size()), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        browseFrom(draws, position, flags & 1, flags & 2);

    if (!draws.empty()) {
        const Draw& last = draws[draws.size() / 2];
        const std::size_t before = draws.size();
        const EntryResult entry = insertOrReplace(draws, last);
        check(entry.append || entry.draws.size() <= before + 1);
        const std::vector<Draw> kept = withoutDate(draws, last.datum);
        check(kept.size() <= before);
        referenceDraw(draws, last.datum);
    }
    return 0;
}
