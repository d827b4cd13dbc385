#include "draws/DrawImport.h"

#include "draws/DateSerial.h"
#include "draws/DrawEditing.h"

#include <algorithm>
#include <unordered_map>

namespace {

bool sameDraw(const Draw& a, const Draw& b)
{
    std::array<std::uint8_t, 6> x{}, y{};
    std::copy_n(a.zahlen.begin(), 6, x.begin());
    std::copy_n(b.zahlen.begin(), 6, y.begin());
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y && a.bonus() == b.bonus();
}

bool earlier(const Draw& a, const Draw& b)
{
    return a.datum < b.datum;
}

} // namespace

MergeResult mergeDraws(const std::vector<Draw>& stored, std::vector<Draw> incoming)
{
    MergeResult result;
    std::unordered_map<double, std::size_t> storedIndex;
    storedIndex.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        storedIndex.emplace(stored[i].datum, i);

    std::vector<Draw> fresh;
    fresh.reserve(incoming.size());
    for (const Draw& draw : incoming) {
        if (const auto found = storedIndex.find(draw.datum); found != storedIndex.end()) {
            ++result.kept;
            if (!sameDraw(stored[found->second], draw))
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

    // Both lists are in date order; the stored one stays as it is.
    result.draws.reserve(stored.size() + fresh.size());
    std::merge(stored.begin(), stored.end(), fresh.begin(), fresh.end(),
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
