// systemsearch: builds and proves the shipped table of reduced systems.
//
//   systemsearch table [--seconds S] [--steps N]   search every entry again and
//                                                  print the table's lines
//   systemsearch verify [--seconds S]              repeat the proof of every row
//                                                  count the table calls minimal
//   systemsearch prove K T M ROWS [--seconds S]    is there a "T if M" system on
//                                                  K numbers with ROWS rows?
//   systemsearch crosscheck                        the exhaustive search against
//                                                  trying every set of rows, where
//                                                  that is small enough
#include "ExactSearch.h"

#include "systems/CoverageCheck.h"
#include "systems/ShippedSystems.h"
#include "systems/SystemSearch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

namespace {

const Guarantee kGuarantees[] = {{3, 3}, {3, 4}, {4, 4}, {4, 5}, {5, 6}};

double option(const QStringList& args, const QString& name, double fallback)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return fallback;
    bool ok = false;
    const double value = args[at + 1].toDouble(&ok);
    return ok ? value : fallback;
}

// Minimal when the counting bound is reached or no system with one row fewer exists.
ExactAnswer::Outcome provenBelow(int k, Guarantee g, int rows, double seconds, std::int64_t* nodes)
{
    *nodes = 0;
    if (rows <= SystemSearch::countingBound(k, g))
        return ExactAnswer::None;
    const ExactAnswer answer = exactSearch(k, g, rows - 1, seconds);
    *nodes = answer.nodes;
    return answer.outcome;
}

const char* outcomeText(ExactAnswer::Outcome outcome)
{
    switch (outcome) {
    case ExactAnswer::Exists: return "a smaller system exists";
    case ExactAnswer::None: return "minimal";
    case ExactAnswer::OutOfTime: return "not proven in the time given";
    }
    return "";
}

int table(const QStringList& args)
{
    const double seconds = option(args, QStringLiteral("--seconds"), 60);
    const auto steps = std::int64_t(option(args, QStringLiteral("--steps"), 3'000'000));
    for (int k = 8; k <= 12; ++k) {
        for (const Guarantee g : kGuarantees) {
            QElapsedTimer clock;
            clock.start();
            SearchOptions options;
            options.k = k;
            options.guarantee = g;
            options.maxSteps = steps;
            const SearchResult found = SystemSearch::search(options);
            if (found.rows.empty()) {
                std::fprintf(stderr, "k=%d %d if %d: nothing found\n", k, g.hits, g.ifDrawn);
                return 1;
            }
            std::int64_t nodes = 0;
            const auto outcome = provenBelow(k, g, int(found.rows.size()), seconds, &nodes);
            std::fprintf(stderr, "k=%d %d if %d: %zu rows (bound %d), %s, %lld nodes, %lld ms\n", k, g.hits,
                         g.ifDrawn, found.rows.size(), found.lowerBound, outcomeText(outcome),
                         static_cast<long long>(nodes), static_cast<long long>(clock.elapsed()));
            std::printf("    {%d, {%d, %d}, %s, \"%s\"},\n", k, g.hits, g.ifDrawn,
                        outcome == ExactAnswer::None ? "true" : "false",
                        qPrintable(ShippedSystems::formatRows(found.rows)));
            std::fflush(stdout);
        }
    }
    return 0;
}

int verify(const QStringList& args)
{
    const double seconds = option(args, QStringLiteral("--seconds"), 600);
    int failures = 0;
    for (const ShippedSystem& entry : ShippedSystems::all()) {
        const CoverageResult proof = CoverageCheck::check(entry.rows, entry.k, entry.guarantee);
        bool ok = proof.holds;
        std::int64_t nodes = 0;
        const char* minimal = "best found";
        if (ok && entry.provenMinimal) {
            const auto outcome = provenBelow(entry.k, entry.guarantee, int(entry.rows.size()), seconds, &nodes);
            ok = outcome == ExactAnswer::None;
            minimal = outcomeText(outcome);
        }
        std::printf("k=%d %d if %d: %zu rows, guarantee %s, %s (%lld nodes)\n", entry.k, entry.guarantee.hits,
                    entry.guarantee.ifDrawn, entry.rows.size(), proof.holds ? "holds" : "FAILS", minimal,
                    static_cast<long long>(nodes));
        failures += ok ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

int prove(const QStringList& args)
{
    if (args.size() < 6)
        return 2;
    const int k = args[2].toInt();
    const Guarantee g{args[3].toInt(), args[4].toInt()};
    const int rows = args[5].toInt();
    const ExactAnswer answer = exactSearch(k, g, rows, option(args, QStringLiteral("--seconds"), 600));
    if (answer.outcome == ExactAnswer::Exists)
        std::printf("exists: %s\n", qPrintable(ShippedSystems::formatRows(answer.rows)));
    else
        std::printf("%s (%lld nodes)\n", answer.outcome == ExactAnswer::None ? "none" : "out of time",
                    static_cast<long long>(answer.nodes));
    return answer.outcome == ExactAnswer::OutOfTime ? 1 : 0;
}

// The fewest rows by trying every set of b rows, b = 1, 2, ...; 0 when the
// sets grow past `limit` before one is found.
int fewestRowsByTrying(int k, Guarantee g, std::int64_t limit)
{
    const std::vector<NumberMask> blocks = Systems::fullSystemRows(k);
    const NumberMask all = (NumberMask(1) << k) - 1;
    std::vector<NumberMask> subsets;
    for (NumberMask s = 0; s <= all; ++s)
        if (Systems::popCount(s) == g.ifDrawn)
            subsets.push_back(s);
    if (subsets.size() > 128)
        return 0;
    // Which subsets each block covers, as 128 bits.
    using Bits = unsigned __int128;
    std::vector<Bits> covers(blocks.size(), 0);
    for (std::size_t b = 0; b < blocks.size(); ++b)
        for (std::size_t s = 0; s < subsets.size(); ++s)
            if (Systems::popCount(blocks[b] & subsets[s]) >= g.hits)
                covers[b] |= Bits(1) << s;
    const Bits full = subsets.size() == 128 ? ~Bits(0) : (Bits(1) << subsets.size()) - 1;
    const int n = int(blocks.size());
    for (int rows = 1; rows <= n; ++rows) {
        if (Systems::binomial(n, rows) > limit)
            return 0;
        std::vector<int> pick(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i)
            pick[std::size_t(i)] = i;
        for (;;) {
            Bits covered = 0;
            for (int b : pick)
                covered |= covers[std::size_t(b)];
            if (covered == full)
                return rows;
            int i = rows - 1;
            while (i >= 0 && pick[std::size_t(i)] == n - rows + i)
                --i;
            if (i < 0)
                break;
            ++pick[std::size_t(i)];
            for (int j = i + 1; j < rows; ++j)
                pick[std::size_t(j)] = pick[std::size_t(j - 1)] + 1;
        }
    }
    return 0;
}

int crosscheck()
{
    int failures = 0;
    int compared = 0;
    for (int k = 7; k <= 9; ++k) {
        for (int m = 1; m <= 6; ++m) {
            for (int t = 1; t <= m; ++t) {
                const Guarantee g{t, m};
                const int tried = fewestRowsByTrying(k, g, 3'000'000);
                if (tried == 0)
                    continue;
                int exact = 1;
                while (exactSearch(k, g, exact, 60).outcome != ExactAnswer::Exists)
                    ++exact;
                // The rows below the minimum must be answered "none", not "out of time".
                const bool decided = exact == 1 || exactSearch(k, g, exact - 1, 60).outcome == ExactAnswer::None;
                ++compared;
                if (exact != tried || !decided) {
                    std::printf("k=%d %d if %d: trying every set gives %d rows, the exhaustive search %d\n", k, t, m,
                                tried, exact);
                    ++failures;
                }
            }
        }
    }
    std::printf("%d cases compared, %d differ\n", compared, failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("table"))
        return table(args);
    if (mode == QLatin1String("verify"))
        return verify(args);
    if (mode == QLatin1String("prove"))
        return prove(args);
    if (mode == QLatin1String("crosscheck"))
        return crosscheck();
    std::fprintf(stderr, "usage: systemsearch table|verify|crosscheck|prove K T M ROWS [--seconds S] [--steps N]\n");
    return 2;
}
