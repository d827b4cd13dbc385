#pragma once

#include <QStringList>
#include <QtGlobal>
#include <array>
#include <vector>

// How many hits rows chosen at random would score on the same draws, to set
// against what the generated rows scored. A random row of six different
// numbers against a draw of 6 out of 49 with a bonus number drawn from the
// 43 others.
namespace Chance {

// Probability of exactly k of the six numbers (hypergeometric).
double hitProbability(int k);
// Probability of k hits with (withBonus) or without the bonus number among
// the other 6 - k numbers of the row, on a draw that has a bonus number.
double probability(int k, bool withBonus);

struct Interval {
    double low = 0.0;
    double high = 0.0;
};
// Exact (Clopper-Pearson) interval for a share of `successes` in `trials`.
Interval shareInterval(qint64 successes, qint64 trials, double confidence = 0.95);

// One rated row as bit masks over the numbers 1 to 49: layer j holds the
// numbers the row holds more than j times, so a number entered twice counts
// twice, as in the rating. Unused layers are 0.
struct RowMask {
    std::array<quint64, 6> layers{};
};
RowMask rowMask(const std::array<quint8, 6>& numbers);
quint64 drawMask(const std::array<int, 6>& numbers);

// The rows of one pass and the draw they were rated against.
struct Pass {
    quint64 draw = 0;
    std::vector<RowMask> rows;
};

// What the rated rows scored, per hit class.
struct Observed {
    // [k][0]: rows with k hits without the bonus number, [k][1] with it.
    std::array<std::array<qint64, 2>, 7> rows{};
    qint64 rowsWithBonus = 0;    // rated rows on draws that had a bonus number
    qint64 rowsWithoutBonus = 0; // rated rows on draws without one
    std::vector<Pass> passes;    // for the test against chance
};

// The one test the verdict rests on, fixed before looking at any class:
// the number of rated rows with three or more hits, against the same
// statistic of reference runs. A reference run rates every pass's very rows
// against a draw made at random, which is the same as rating the rows with
// their numbers relabelled at random against the real draw: each run keeps
// what the twelve rows of a pass share (a common pool makes them hit
// together) and their shared draw, and only removes any link between the
// rows and the draw. The seed is fixed so a report can be reproduced.
constexpr int kReferenceRuns = 1000;
constexpr quint64 kReferenceSeed = 4711;
constexpr double kSignificance = 0.05;

struct TestResult {
    qint64 rows = 0;            // rated rows in all passes
    qint64 observed = 0;        // of them with three or more hits
    double referenceMean = 0.0; // the same count, averaged over the runs
    double pValue = 1.0;        // one-sided: share of runs scoring at least as many
    int runs = 0;
    quint64 seed = 0;
    bool better() const { return rows > 0 && pValue < kSignificance; }
};

TestResult threeOrMoreTest(const std::vector<Pass>& passes, int runs = kReferenceRuns,
                           quint64 seed = kReferenceSeed);

struct ClassComparison {
    int hits = 0;
    bool bonus = false;
    double expected = 0.0;
    qint64 observed = 0;
    double ratio = 0.0;          // observed / expected
    Interval ratioInterval;      // 95 % interval for the ratio
};

// The classes k = 0 to 6, and k + bonus for k = 0 to 5 when some draw had a
// bonus number; classes nobody could score are left out.
std::vector<ClassComparison> compare(const Observed& observed);

// The report block in the interface language, starting with an empty line: the classes as
// description, then the test and, last, one sentence on the result.
QStringList report(const std::vector<ClassComparison>& classes, const TestResult& test);

} // namespace Chance
