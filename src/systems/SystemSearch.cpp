#include "systems/SystemSearch.h"

#include "generator/Random.h"
#include "systems/CoverInstance.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

namespace {

// A solution under change: how often each subset is covered, and the
// uncovered ones in a list that allows picking one at random.
class Cover {
public:
    explicit Cover(const CoverInstance& instance)
        : in_(instance), count_(instance.subsets.size(), 0), where_(instance.subsets.size(), -1)
    {
        for (std::size_t s = 0; s < count_.size(); ++s)
            markOpen(int(s));
    }

    const std::vector<int>& rows() const { return rows_; }
    std::size_t open() const { return open_.size(); }
    int openSubset(std::size_t i) const { return open_[i]; }

    void add(int block)
    {
        rows_.push_back(block);
        for (int s : in_.coversOf[std::size_t(block)])
            if (count_[std::size_t(s)]++ == 0)
                markClosed(s);
    }
    void removeAt(std::size_t i)
    {
        const int block = rows_[i];
        rows_[i] = rows_.back();
        rows_.pop_back();
        for (int s : in_.coversOf[std::size_t(block)])
            if (--count_[std::size_t(s)] == 0)
                markOpen(s);
    }
    void replace(std::size_t i, int block)
    {
        removeAt(i);
        add(block);
        std::swap(rows_[i], rows_.back());
    }
    // How many more subsets would be open after replacing row i by block.
    int delta(std::size_t i, int block)
    {
        const int old = rows_[i];
        for (int s : in_.coversOf[std::size_t(block)])
            ++count_[std::size_t(s)];
        int change = 0;
        for (int s : in_.coversOf[std::size_t(old)])
            if (count_[std::size_t(s)] == 1)
                ++change;
        for (int s : in_.coversOf[std::size_t(block)])
            if (--count_[std::size_t(s)] == 0)
                --change;
        return change;
    }
    int gain(int block) const
    {
        int n = 0;
        for (int s : in_.coversOf[std::size_t(block)])
            n += count_[std::size_t(s)] == 0 ? 1 : 0;
        return n;
    }

private:
    void markOpen(int s)
    {
        where_[std::size_t(s)] = int(open_.size());
        open_.push_back(s);
    }
    void markClosed(int s)
    {
        const int at = where_[std::size_t(s)];
        open_[std::size_t(at)] = open_.back();
        where_[std::size_t(open_.back())] = at;
        open_.pop_back();
        where_[std::size_t(s)] = -1;
    }

    const CoverInstance& in_;
    std::vector<int> count_;
    std::vector<int> where_;
    std::vector<int> open_;
    std::vector<int> rows_;
};

std::vector<int> greedy(const CoverInstance& in, Random& random)
{
    Cover cover(in);
    while (cover.open() > 0) {
        int best = -1;
        int bestGain = 0;
        std::uint32_t ties = 0;
        for (std::size_t b = 0; b < in.blocks.size(); ++b) {
            const int gain = cover.gain(int(b));
            if (gain > bestGain) {
                best = int(b);
                bestGain = gain;
                ties = 1;
            } else if (gain == bestGain && gain > 0 && random.below(++ties) == 0) {
                best = int(b);
            }
        }
        cover.add(best);
    }
    return cover.rows();
}

std::vector<NumberMask> masksOf(const CoverInstance& in, const std::vector<int>& rows)
{
    std::vector<NumberMask> masks;
    for (int b : rows)
        masks.push_back(in.blocks[std::size_t(b)]);
    std::sort(masks.begin(), masks.end(), [](NumberMask a, NumberMask b) {
        // Lexicographic over positions: compare the lowest differing position.
        const NumberMask diff = a ^ b;
        return (a & diff & (~diff + 1)) != 0;
    });
    masks.erase(std::unique(masks.begin(), masks.end()), masks.end());
    return masks;
}

} // namespace

namespace SystemSearch {

int countingBound(int k, Guarantee guarantee)
{
    if (k < 6 || k > kMaxNumbers || !guarantee.isValid())
        return 0;
    // Subsets one row can cover: j of its six positions and m - j others, j >= t.
    std::int64_t perRow = 0;
    for (int j = guarantee.hits; j <= guarantee.ifDrawn; ++j)
        perRow += Systems::binomial(6, j) * Systems::binomial(k - 6, guarantee.ifDrawn - j);
    const std::int64_t all = Systems::binomial(k, guarantee.ifDrawn);
    return perRow == 0 ? 0 : int((all + perRow - 1) / perRow);
}

SearchResult search(const SearchOptions& options)
{
    SearchResult result;
    const int k = options.k;
    const Guarantee g = options.guarantee;
    if (k < kMinNumbers || k > kMaxNumbers || !g.isValid())
        return result;
    result.lowerBound = std::max(1, countingBound(k, g));

    const CoverInstance in(k, g);
    Random random(options.seed);
    std::vector<int> best = greedy(in, random);

    QElapsedTimer clock;
    clock.start();
    const auto outOfTime = [&] {
        if (options.stop && options.stop->load(std::memory_order_relaxed))
            return true;
        return options.maxMilliseconds > 0 && clock.elapsed() >= options.maxMilliseconds;
    };

    std::int64_t steps = 0;
    const std::int64_t perAttempt = std::max<std::int64_t>(1, options.stepsPerAttempt);
    while (int(best.size()) > result.lowerBound && steps < options.maxSteps && !outOfTime()) {
        // Try one row fewer: drop a row at random, then move rows until
        // nothing is open or the attempt's steps are spent.
        Cover cover(in);
        for (int b : best)
            cover.add(b);
        cover.removeAt(random.below(std::uint32_t(best.size())));
        const std::int64_t attemptEnd = std::min(options.maxSteps, steps + perAttempt);
        double temperature = 1.0;
        while (cover.open() > 0 && steps < attemptEnd) {
            ++steps;
            if ((steps & 1023) == 0 && outOfTime())
                break;
            // Move a row towards an open subset: replace a random row by a
            // random block that covers it.
            const int target = cover.openSubset(random.below(std::uint32_t(cover.open())));
            const auto& candidates = in.coveredBy[std::size_t(target)];
            const int block = candidates[random.below(std::uint32_t(candidates.size()))];
            const std::size_t row = random.below(std::uint32_t(cover.rows().size()));
            const int change = cover.delta(row, block);
            const bool accept = change <= 0
                || double(random.next32()) / 4294967296.0 < std::exp(-double(change) / temperature);
            if (accept)
                cover.replace(row, block);
            temperature = std::max(0.05, temperature * 0.9999);
        }
        if (cover.open() == 0)
            best = cover.rows();
    }
    result.steps = steps;

    result.rows = masksOf(in, best);
    result.proof = CoverageCheck::check(result.rows, k, g);
    if (!result.proof.holds)
        result.rows.clear(); // never hand out a system the checker did not prove
    return result;
}

} // namespace SystemSearch
