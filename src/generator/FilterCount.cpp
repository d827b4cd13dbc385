#include "generator/FilterCount.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

constexpr int kHighest = 49;

constexpr std::uint64_t kPrimes = (1ULL << 2) | (1ULL << 3) | (1ULL << 5) | (1ULL << 7)
    | (1ULL << 11) | (1ULL << 13) | (1ULL << 17) | (1ULL << 19) | (1ULL << 23) | (1ULL << 29)
    | (1ULL << 31) | (1ULL << 37) | (1ULL << 41) | (1ULL << 43) | (1ULL << 47);

constexpr bool isPrime(int number)
{
    return (kPrimes >> number) & 1U;
}

// The counts only care whether the last number is even and whether it is a
// prime, so the numbers fall into four classes.
constexpr int classOf(int number)
{
    return (number % 2 == 0 ? 2 : 0) | (isPrime(number) ? 1 : 0);
}
constexpr bool classIsEven(int cls) { return (cls & 2) != 0; }
constexpr bool classIsPrime(int cls) { return (cls & 1) != 0; }

struct ClassTables {
    std::array<std::array<int, kHighest + 1>, 4> upTo{}; // numbers 1..n of each class
    std::array<int, kHighest + 2> cls{};
};

constexpr ClassTables makeClassTables()
{
    ClassTables tables;
    for (int n = 1; n <= kHighest; ++n) {
        tables.cls[static_cast<std::size_t>(n)] = classOf(n);
        for (int c = 0; c < 4; ++c)
            tables.upTo[static_cast<std::size_t>(c)][static_cast<std::size_t>(n)] =
                tables.upTo[static_cast<std::size_t>(c)][static_cast<std::size_t>(n - 1)]
                + (classOf(n) == c ? 1 : 0);
    }
    return tables;
}

constexpr ClassTables kTables = makeClassTables();

int countOfClass(int cls, int first, int last)
{
    const auto& upTo = kTables.upTo[static_cast<std::size_t>(cls)];
    return upTo[static_cast<std::size_t>(last)] - upTo[static_cast<std::size_t>(first - 1)];
}

bool cancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

} // namespace

RowFilterSettings RowFilterSettings::from(const GenerationParams& params)
{
    RowFilterSettings settings;
    settings.crossSumMin = params.crossSumMin;
    settings.crossSumMax = params.crossSumMax;
    settings.forcePair = params.forcePair;
    settings.noTriples = params.noTriples;
    settings.minEven = params.minEvenOn ? params.minEven : 0;
    settings.minOdd = params.minOddOn ? params.minOdd : 0;
    settings.minPrimes = params.minPrimesOn ? params.minPrimes : 0;
    return settings;
}

bool passesRowFilters(const std::array<int, 6>& row, const RowFilterSettings& settings)
{
    int sum = 0;
    int even = 0;
    int primes = 0;
    bool pair = false;
    bool triple = false;
    for (std::size_t i = 0; i < 6; ++i) {
        sum += row[i];
        even += row[i] % 2 == 0 ? 1 : 0;
        primes += isPrime(row[i]) ? 1 : 0;
        if (i >= 1 && row[i] == row[i - 1] + 1) {
            pair = true;
            if (i >= 2 && row[i - 1] == row[i - 2] + 1)
                triple = true;
        }
    }
    return sum >= settings.crossSumMin && sum <= settings.crossSumMax
        && (!settings.forcePair || pair) && (!settings.noTriples || !triple)
        && even >= settings.minEven && 6 - even >= settings.minOdd && primes >= settings.minPrimes;
}

std::optional<std::array<int, 6>> sortedNumbers(const Draw& draw)
{
    std::array<int, 6> row{};
    for (std::size_t i = 0; i < 6; ++i) {
        row[i] = draw.zahlen[i];
        if (!isLottoNumber(row[i]))
            return std::nullopt;
    }
    std::sort(row.begin(), row.end());
    if (std::adjacent_find(row.begin(), row.end()) != row.end())
        return std::nullopt;
    return row;
}

// Walks every choice of the five smallest numbers a < b < c < d < e and
// counts the possible sixth numbers f > e at once: the cross sum fixes a range
// for f, and within it the even, odd and prime minimums only depend on f's
// class, whose members in a range come from a table. Only f = e + 1 can make
// a new pair or extend a run, so that one value is treated on its own.
std::optional<qint64> countPassingRows(const RowFilterSettings& settings,
                                       const std::atomic<bool>* cancel)
{
    // Which classes of f are acceptable, by the even and prime counts of the
    // first five numbers: bit c set when class c may follow.
    std::array<std::array<unsigned, 6>, 6> acceptable{};
    for (int even = 0; even <= 5; ++even)
        for (int primes = 0; primes <= 5; ++primes)
            for (int cls = 0; cls < 4; ++cls) {
                const int evenAfter = even + (classIsEven(cls) ? 1 : 0);
                const int primesAfter = primes + (classIsPrime(cls) ? 1 : 0);
                if (evenAfter >= settings.minEven && 6 - evenAfter >= settings.minOdd
                    && primesAfter >= settings.minPrimes)
                    acceptable[static_cast<std::size_t>(even)][static_cast<std::size_t>(primes)] |=
                        1U << cls;
            }

    const bool noTriples = settings.noTriples;
    qint64 total = 0;
    for (int a = 1; a <= kHighest - 5; ++a) {
        const int evenA = a % 2 == 0 ? 1 : 0;
        const int primeA = isPrime(a) ? 1 : 0;
        for (int b = a + 1; b <= kHighest - 4; ++b) {
            if (cancelled(cancel))
                return std::nullopt;
            const int evenB = evenA + (b % 2 == 0 ? 1 : 0);
            const int primeB = primeA + (isPrime(b) ? 1 : 0);
            const bool pairB = b == a + 1;
            for (int c = b + 1; c <= kHighest - 3; ++c) {
                const bool pairC = pairB || c == b + 1;
                const bool tripleC = c == b + 1 && b == a + 1;
                if (noTriples && tripleC)
                    continue;
                const int evenC = evenB + (c % 2 == 0 ? 1 : 0);
                const int primeC = primeB + (isPrime(c) ? 1 : 0);
                for (int d = c + 1; d <= kHighest - 2; ++d) {
                    const bool pairD = pairC || d == c + 1;
                    const bool tripleD = tripleC || (d == c + 1 && c == b + 1);
                    if (noTriples && tripleD)
                        continue;
                    const int evenD = evenC + (d % 2 == 0 ? 1 : 0);
                    const int primeD = primeC + (isPrime(d) ? 1 : 0);
                    const int sumD = a + b + c + d;
                    for (int e = d + 1; e <= kHighest - 1; ++e) {
                        const bool pairE = pairD || e == d + 1;
                        if (noTriples && (tripleD || (e == d + 1 && d == c + 1)))
                            continue;
                        const int sum = sumD + e;
                        const int first = std::max(e + 1, settings.crossSumMin - sum);
                        const int last = std::min(kHighest, settings.crossSumMax - sum);
                        if (first > last)
                            continue;
                        const unsigned ok = acceptable[static_cast<std::size_t>(
                            evenD + (e % 2 == 0 ? 1 : 0))][static_cast<std::size_t>(
                            primeD + (isPrime(e) ? 1 : 0))];
                        const bool nextPasses = first == e + 1
                            && ((ok >> kTables.cls[static_cast<std::size_t>(e + 1)]) & 1U) != 0;
                        if (settings.forcePair && !pairE) {
                            total += nextPasses ? 1 : 0; // only e + 1 can make the pair
                            continue;
                        }
                        qint64 count = 0;
                        for (unsigned left = ok; left != 0; left &= left - 1)
                            count += countOfClass(std::countr_zero(left), first, last);
                        if (noTriples && e == d + 1 && nextPasses)
                            --count; // d, e, e + 1 would be a run of three
                        total += count;
                    }
                }
            }
        }
    }
    return total;
}

DrawPassCount countPassingDraws(std::span<const Draw> draws, const RowFilterSettings& settings)
{
    DrawPassCount count;
    for (const Draw& draw : draws) {
        const std::optional<std::array<int, 6>> row = sortedNumbers(draw);
        if (!row)
            continue;
        ++count.draws;
        if (passesRowFilters(*row, settings))
            ++count.passed;
    }
    return count;
}
