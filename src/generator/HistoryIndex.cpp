#include "generator/HistoryIndex.h"

#include "draws/DateSerial.h"

#include <bit>

namespace {

constexpr int kNumbers = 50; // index 0 unused

bool sameWindow(double start, double end, bool inclusive, bool sat, bool wed, const CountingWindow& w)
{
    return start == w.start && end == w.end && inclusive == w.startInclusive && sat == w.saturdays
        && wed == w.wednesdays;
}

// Plain hit count of a row on a record, as the comparison with the current
// draw counts it: every equal pair, plus one for the bonus.
int plainHits(const Row& row, const Draw& draw, bool bonusRule)
{
    int hits = 0;
    bool bonus = false;
    for (int n : row) {
        if (n == 0)
            continue;
        for (int i = 0; i < 6; ++i)
            hits += draw.zahlen[std::size_t(i)] == n ? 1 : 0;
        bonus = bonus || draw.bonus() == n;
    }
    return hits + (bonusRule && bonus ? 1 : 0);
}

// Bit-sliced "count > k" for a 3-bit count per bit position, k constant.
std::uint64_t greaterThan(std::uint64_t b0, std::uint64_t b1, std::uint64_t b2, int k)
{
    if (k < 0)
        return ~std::uint64_t(0);
    if (k >= 7)
        return 0;
    const auto bit = [k](int i) { return ((k >> i) & 1) ? ~std::uint64_t(0) : std::uint64_t(0); };
    const std::uint64_t k0 = bit(0), k1 = bit(1), k2 = bit(2);
    const std::uint64_t eq2 = ~(b2 ^ k2);
    const std::uint64_t eq1 = ~(b1 ^ k1);
    return (b2 & ~k2) | (eq2 & ((b1 & ~k1) | (eq1 & (b0 & ~k0))));
}

} // namespace

HistoryIndex::HistoryIndex(std::span<const Draw> draws)
{
    drawCount_ = int(draws.size());
    words_ = (drawCount_ + 63) / 64;
    dates_.reserve(draws.size());
    weekdays_.reserve(draws.size());
    bits_.assign(std::size_t(kNumbers) * std::size_t(words_), 0);
    bonus_.assign(std::size_t(kNumbers) * std::size_t(words_), 0);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const Draw& draw = draws[i];
        dates_.push_back(draw.datum);
        weekdays_.push_back(std::uint8_t(DateSerial::weekday(draw.datum)));
        std::uint64_t seen = 0;
        bool twice = false;
        for (int k = 0; k < 6; ++k) {
            const int n = draw.number(k);
            if (!isLottoNumber(n))
                continue; // never equal to a row's number
            twice = twice || (seen >> n & 1);
            seen |= std::uint64_t(1) << n;
        }
        if (twice) {
            irregularIndex_.push_back(i);
            irregular_.push_back(draw);
            continue;
        }
        const std::size_t word = i / 64;
        const std::uint64_t bit = std::uint64_t(1) << (i % 64);
        for (int n = 1; n <= 49; ++n)
            if (seen >> n & 1)
                bits_[std::size_t(n) * std::size_t(words_) + word] |= bit;
        if (isLottoNumber(draw.bonus()))
            bonus_[std::size_t(draw.bonus()) * std::size_t(words_) + word] |= bit;
    }
}

CountingWindow HistoryIndex::recentWindow(const CountingWindow& history, int draws)
{
    CountingWindow window = history;
    window.start = history.end - draws * 3.5;
    window.startInclusive = false;
    return window;
}

const HistoryIndex::WindowMask& HistoryIndex::maskFor(const CountingWindow& window) const
{
    for (const WindowMask& m : masks_)
        if (sameWindow(m.start, m.end, m.startInclusive, m.saturdays, m.wednesdays, window))
            return m;
    // A run asks for three windows; a user changing dates during a run adds
    // a few more, which are never many.
    if (masks_.size() >= 16)
        masks_.clear();
    WindowMask m;
    m.start = window.start;
    m.end = window.end;
    m.startInclusive = window.startInclusive;
    m.saturdays = window.saturdays;
    m.wednesdays = window.wednesdays;
    m.words.assign(std::size_t(words_), 0);
    m.firstWord = words_;
    const auto admits = [&](std::size_t i) {
        return window.contains(dates_[i])
            && weekdayRuleAdmits(weekdays_[i], window.saturdays, window.wednesdays);
    };
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        if (!admits(i))
            continue;
        m.words[i / 64] |= std::uint64_t(1) << (i % 64);
        m.firstWord = std::min(m.firstWord, int(i / 64));
        m.lastWord = std::max(m.lastWord, int(i / 64));
    }
    for (std::size_t j = 0; j < irregularIndex_.size(); ++j)
        if (admits(irregularIndex_[j]))
            m.irregular.push_back(int(j));
    masks_.push_back(std::move(m));
    return masks_.back();
}

bool HistoryIndex::anyDrawReaches(const Row& row, int threshold, const CountingWindow& window,
                                  bool bonusRule) const
{
    if (drawCount_ == 0)
        return false;
    const WindowMask& mask = maskFor(window);
    for (int j : mask.irregular)
        if (plainHits(row, irregular_[std::size_t(j)], bonusRule) >= threshold)
            return true;

    // The row's numbers as pointers to their bit rows; an empty place (0)
    // reads the all-zero row of index 0.
    std::array<const std::uint64_t*, 6> numbers{};
    std::array<const std::uint64_t*, 6> bonuses{};
    for (std::size_t k = 0; k < 6; ++k) {
        const int n = row[k] >= 1 && row[k] <= 49 ? row[k] : 0;
        numbers[k] = bits_.data() + std::size_t(n) * std::size_t(words_);
        bonuses[k] = bonus_.data() + std::size_t(n) * std::size_t(words_);
    }
    const int k = threshold - 1;
    for (int w = mask.firstWord; w <= mask.lastWord; ++w) {
        const std::uint64_t inWindow = mask.words[std::size_t(w)];
        if (inWindow == 0)
            continue;
        const std::uint64_t x1 = numbers[0][w], x2 = numbers[1][w], x3 = numbers[2][w];
        const std::uint64_t x4 = numbers[3][w], x5 = numbers[4][w], x6 = numbers[5][w];
        const std::uint64_t x7 = bonusRule
            ? (bonuses[0][w] | bonuses[1][w] | bonuses[2][w] | bonuses[3][w] | bonuses[4][w] | bonuses[5][w])
            : 0;
        // Seven one-bit inputs per draw added into a three-bit count.
        const std::uint64_t s1 = x1 ^ x2 ^ x3, c1 = (x1 & x2) | (x3 & (x1 ^ x2));
        const std::uint64_t s2 = x4 ^ x5 ^ x6, c2 = (x4 & x5) | (x6 & (x4 ^ x5));
        const std::uint64_t b0 = s1 ^ s2 ^ x7, c3 = (s1 & s2) | (x7 & (s1 ^ s2));
        const std::uint64_t b1 = c1 ^ c2 ^ c3, b2 = (c1 & c2) | (c3 & (c1 ^ c2));
        if (greaterThan(b0, b1, b2, k) & inWindow)
            return true;
    }
    return false;
}
