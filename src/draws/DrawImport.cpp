#include "draws/DrawImport.h"

#include "draws/DateSerial.h"
#include "draws/DrawEditing.h"
#include "draws/GameRules.h"

#include <algorithm>
#include <unordered_map>

namespace {

bool sameNumbers(const Draw& a, const Draw& b)
{
    std::array<std::uint8_t, 6> x{}, y{};
    std::copy_n(a.zahlen.begin(), 6, x.begin());
    std::copy_n(b.zahlen.begin(), 6, y.begin());
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

bool earlier(const Draw& a, const Draw& b)
{
    return a.datum < b.datum;
}

struct Completion {
    bool completed = false; // a value the stored record lacked was taken
    bool conflict = false;  // both hold a value and they differ
};

// Takes from the file what the stored draw of the same date and numbers
// lacks. A stored super number of 0 is what the update wrote when it had
// none, so it counts as missing; a stored value is never replaced.
Completion complete(Draw& stored, const Draw& file)
{
    Completion result;
    const auto take = [&result](bool fileHas, bool storedLacks, auto& mine, const auto& theirs) {
        if (!fileHas)
            return;
        if (storedLacks) {
            mine = theirs;
            result.completed = true;
        } else if (mine != theirs) {
            result.conflict = true;
        }
    };
    // Both are of the same date; a super number of 0 in the file completes nothing.
    take(GameRules::hasSuperNumber(file) && file.superNumber() != 0, stored.superNumber() == 0, stored.zahlen[7],
         file.zahlen[7]);
    take(GameRules::hasSpiel77(file), !GameRules::hasSpiel77(stored), stored.spiel77, file.spiel77);
    take(GameRules::hasSuper6(file), !GameRules::hasSuper6(stored), stored.super6, file.super6);
    return result;
}

} // namespace

MergeResult mergeDraws(const std::vector<Draw>& stored, std::vector<Draw> incoming)
{
    MergeResult result;
    std::vector<Draw> kept = stored;
    std::unordered_map<double, std::size_t> storedIndex;
    storedIndex.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        storedIndex.emplace(stored[i].datum, i);

    std::vector<Draw> fresh;
    fresh.reserve(incoming.size());
    for (const Draw& draw : incoming) {
        if (const auto found = storedIndex.find(draw.datum); found != storedIndex.end()) {
            ++result.kept;
            Draw& mine = kept[found->second];
            bool differs = mine.bonus() != draw.bonus();
            if (sameNumbers(mine, draw)) {
                const Completion completion = complete(mine, draw);
                result.completed += completion.completed ? 1 : 0;
                differs = differs || completion.conflict;
            } else {
                differs = true;
            }
            if (differs)
                result.differing << DateSerial::toDate(draw.datum);
        } else if (isEarlyWednesday(draw)) {
            ++result.dropped;
        } else {
            fresh.push_back(draw);
        }
    }
    result.added = int(fresh.size());
    std::stable_sort(fresh.begin(), fresh.end(), earlier);
    std::sort(result.differing.begin(), result.differing.end());

    // Both lists are in date order; the stored one keeps its order.
    result.draws.reserve(kept.size() + fresh.size());
    std::merge(kept.begin(), kept.end(), fresh.begin(), fresh.end(),
               std::back_inserter(result.draws), earlier);
    return result;
}

std::vector<Draw> drawsBetween(const std::vector<Draw>& draws, const QDate& from, const QDate& to)
{
    const double first = DateSerial::fromDate(from);
    const double last = DateSerial::fromDate(to);
    std::vector<Draw> out;
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(out),
                 [&](const Draw& d) { return d.datum >= first && d.datum <= last; });
    return out;
}
