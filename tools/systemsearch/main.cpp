// systemsearch: builds and proves the shipped table of reduced systems.
//
//   systemsearch table [--seconds S] [--steps N]   search every entry again and
//                                                  print the table's lines
//   systemsearch verify [--seconds S]              repeat the proof of every row
//                                                  count the table calls minimal
//   systemsearch prove K T M ROWS [--seconds S]    is there a "T if M" system on
//                                                  K numbers with ROWS rows?
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
    std::fprintf(stderr, "usage: systemsearch table|verify|prove K T M ROWS [--seconds S] [--steps N]\n");
    return 2;
}
