// A CSV file of draws read from any bytes, merged into a small stored
// history, written back and read again.
#include "FuzzInput.h"

#include "draws/DrawCsv.h"
#include "draws/DrawImport.h"

#include <algorithm>

using FuzzInput::check;

namespace {

bool validNumbers(const Draw& draw)
{
    for (std::size_t i = 0; i < 6; ++i) {
        if (draw.zahlen[i] < 1 || draw.zahlen[i] > 49)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (draw.zahlen[j] == draw.zahlen[i])
                return false;
    }
    const auto digits = [](const auto& game) {
        return std::all_of(game.begin(), game.end(), [](std::uint8_t d) { return d <= 9; });
    };
    return draw.zahlen[6] <= 49 && draw.zahlen[7] <= 9 && digits(draw.spiel77) && digits(draw.super6);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CsvRead read = parseDrawCsv(FuzzInput::bytes(data, size));
    // All or nothing: a file with one bad line imports no draw.
    check(read.problems.empty() || read.draws.empty());
    for (const CsvProblem& problem : read.problems)
        check(problem.line >= 1 && !problem.what.isEmpty());
    for (const Draw& draw : read.draws)
        check(validNumbers(draw));
    if (read.draws.empty())
        return 0;

    const CsvRead stored = parseDrawCsv(QByteArrayLiteral(
        "date,n1,n2,n3,n4,n5,n6,bonus,super\n"
        "1986-05-31,3,9,17,25,33,41,12,\n"
        "2020-01-04,1,2,3,4,5,6,,7\n"));
    check(stored.problems.empty());
    const MergeResult merged = mergeDraws(stored.draws, read.draws);
    check(merged.draws.size() == stored.draws.size() + std::size_t(merged.added));
    check(merged.added + merged.kept + merged.dropped == int(read.draws.size()));
    check(merged.completed >= 0 && merged.completed <= merged.kept);
    // A stored super number is never replaced.
    for (const Draw& before : stored.draws)
        for (const Draw& after : merged.draws)
            if (after.datum == before.datum)
                check(before.superNumber() == 0 || after.superNumber() == before.superNumber());
    for (std::size_t i = 1; i < merged.draws.size(); ++i)
        check(merged.draws[i - 1].datum <= merged.draws[i].datum);

    // What was read writes back into a file that reads the same again.
    const CsvRead again = parseDrawCsv(drawCsv(read.draws));
    check(again.problems.empty() && again.draws.size() == read.draws.size());
    return 0;
}
