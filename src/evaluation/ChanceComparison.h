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

// What the rated rows scored, per hit class.
struct Observed {
    // [k][0]: rows with k hits without the bonus number, [k][1] with it.
    std::array<std::array<qint64, 2>, 7> rows{};
    qint64 rowsWithBonus = 0;    // rated rows on draws that had a bonus number
    qint64 rowsWithoutBonus = 0; // rated rows on draws without one
};

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

// The report block in German, starting with an empty line and ending with
// one sentence on the result.
QStringList report(const std::vector<ClassComparison>& classes);

} // namespace Chance
