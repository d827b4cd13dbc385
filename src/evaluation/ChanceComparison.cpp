#include "evaluation/ChanceComparison.h"

#include "text/TextLine.h"
#include "text/UiText.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

double choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0.0;
    double value = 1.0;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}

// Continued fraction of the regularised incomplete beta function (modified
// Lentz), valid for x < (a + 1) / (a + b + 2).
double betaFraction(double a, double b, double x)
{
    constexpr double tiny = 1e-300;
    constexpr double eps = 1e-15;
    double c = 1.0;
    double d = 1.0 - (a + b) * x / (a + 1.0);
    d = 1.0 / (std::fabs(d) < tiny ? tiny : d);
    double h = d;
    for (int m = 1; m <= 100000; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((a + m2 - 1.0) * (a + m2));
        d = 1.0 + aa * d;
        d = 1.0 / (std::fabs(d) < tiny ? tiny : d);
        c = 1.0 + aa / c;
        c = std::fabs(c) < tiny ? tiny : c;
        h *= d * c;
        aa = -(a + m) * (a + b + m) * x / ((a + m2) * (a + m2 + 1.0));
        d = 1.0 + aa * d;
        d = 1.0 / (std::fabs(d) < tiny ? tiny : d);
        c = 1.0 + aa / c;
        c = std::fabs(c) < tiny ? tiny : c;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < eps)
            break;
    }
    return h;
}

// Regularised incomplete beta function I_x(a, b).
double incompleteBeta(double a, double b, double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    const double front = std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b)
                                  + a * std::log(x) + b * std::log1p(-x));
    if (x < (a + 1.0) / (a + b + 2.0))
        return front * betaFraction(a, b, x) / a;
    return 1.0 - front * betaFraction(b, a, 1.0 - x) / b;
}

// The x with I_x(a, b) = target, by bisection: slow but sure, and only a few
// dozen of them are needed per report.
double inverseBeta(double a, double b, double target)
{
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 200 && high - low > 1e-15 * high; ++i) {
        const double mid = 0.5 * (low + high);
        (incompleteBeta(a, b, mid) < target ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

QString decimal(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("–");
    if (value == 0.0)
        return QStringLiteral("0");
    // Three significant digits, at least one decimal, never an exponent.
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(2 - magnitude, 1, 9);
    return QLocale(QLocale::German).toString(value, 'f', decimals);
}

QString count(qint64 value)
{
    return QLocale(QLocale::German).toString(value);
}

// xoshiro256**: small, fast and the same on every platform and library, so
// the fixed seed gives the same reference runs everywhere.
class ReferenceRandom {
public:
    explicit ReferenceRandom(quint64 seed)
    {
        for (quint64& word : state_) {
            // splitmix64 spreads a small seed over the whole state.
            seed += 0x9E3779B97F4A7C15ull;
            quint64 z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    quint64 next()
    {
        const quint64 result = std::rotl(state_[1] * 5, 7) * 9;
        const quint64 t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = std::rotl(state_[3], 45);
        return result;
    }

    // Six different numbers out of 1 to 49 as a mask (bit n for number n).
    // Six bits at a time, those above 48 thrown away, so every number is
    // equally likely and one word usually makes a whole draw.
    quint64 draw()
    {
        quint64 mask = 0;
        int drawn = 0;
        for (;;) {
            quint64 bits = next();
            for (int chunk = 0; chunk < 10; ++chunk, bits >>= 6) {
                const unsigned n = unsigned(bits & 63u);
                if (n >= 49)
                    continue;
                const quint64 bit = quint64(1) << (n + 1);
                if (mask & bit)
                    continue;
                mask |= bit;
                if (++drawn == 6)
                    return mask;
            }
        }
    }

private:
    std::array<quint64, 4> state_{};
};

int hits(const Chance::RowMask& row, quint64 draw)
{
    int hits = 0;
    for (const quint64 layer : row.layers) {
        if (layer == 0)
            break;
        hits += std::popcount(layer & draw);
    }
    return hits;
}

qint64 threeOrMore(const std::vector<Chance::RowMask>& rows, quint64 draw)
{
    qint64 count = 0;
    for (const Chance::RowMask& row : rows)
        count += hits(row, draw) >= 3 ? 1 : 0;
    return count;
}

QString className(const Chance::ClassComparison& c)
{
    return c.bonus ? UiText::line(TextLine::HitsWithBonus).arg(c.hits) : QStringLiteral("%1x").arg(c.hits);
}

} // namespace

namespace Chance {

double hitProbability(int k)
{
    return choose(6, k) * choose(43, 6 - k) / choose(49, 6);
}

double probability(int k, bool withBonus)
{
    // The bonus number is one of the 43 numbers not drawn; 6 - k of the
    // row's numbers are among them.
    const double share = withBonus ? (6.0 - k) / 43.0 : (37.0 + k) / 43.0;
    return hitProbability(k) * share;
}

Interval shareInterval(qint64 successes, qint64 trials, double confidence)
{
    if (trials <= 0 || successes < 0 || successes > trials)
        return {0.0, 1.0};
    const double alpha = (1.0 - confidence) / 2.0;
    const double s = double(successes);
    const double n = double(trials);
    Interval interval;
    interval.low = successes == 0 ? 0.0 : inverseBeta(s, n - s + 1.0, alpha);
    interval.high = successes == trials ? 1.0 : inverseBeta(s + 1.0, n - s, 1.0 - alpha);
    return interval;
}

RowMask rowMask(const std::array<quint8, 6>& numbers)
{
    RowMask row;
    for (const quint8 n : numbers) {
        // Numbers outside 1 to 49 never meet a drawn number.
        if (n < 1 || n > 49)
            continue;
        const quint64 bit = quint64(1) << n;
        for (quint64& layer : row.layers) {
            if (!(layer & bit)) {
                layer |= bit;
                break;
            }
        }
    }
    return row;
}

quint64 drawMask(const std::array<int, 6>& numbers)
{
    quint64 mask = 0;
    for (const int n : numbers)
        if (n >= 1 && n <= 49)
            mask |= quint64(1) << n;
    return mask;
}

TestResult threeOrMoreTest(const std::vector<Pass>& passes, int runs, quint64 seed)
{
    TestResult result;
    result.runs = std::max(runs, 0);
    result.seed = seed;
    for (const Pass& pass : passes) {
        result.rows += qint64(pass.rows.size());
        result.observed += threeOrMore(pass.rows, pass.draw);
    }
    if (result.rows == 0 || result.runs == 0)
        return result;

    ReferenceRandom random(seed);
    qint64 atLeast = 0;
    double sum = 0.0;
    for (int run = 0; run < result.runs; ++run) {
        qint64 reference = 0;
        for (const Pass& pass : passes)
            if (!pass.rows.empty())
                reference += threeOrMore(pass.rows, random.draw());
        sum += double(reference);
        if (reference >= result.observed)
            ++atLeast;
    }
    result.referenceMean = sum / result.runs;
    // Counting the observed board as one of the runs keeps the test exact
    // (never below its level) however few runs there are.
    result.pValue = double(atLeast + 1) / double(result.runs + 1);
    return result;
}

std::vector<ClassComparison> compare(const Observed& observed)
{
    std::vector<ClassComparison> classes;
    const qint64 allRows = observed.rowsWithBonus + observed.rowsWithoutBonus;
    const auto add = [&](int k, bool bonus, qint64 trials, double expected) {
        if (trials <= 0 || expected <= 0.0)
            return;
        ClassComparison c;
        c.hits = k;
        c.bonus = bonus;
        c.expected = expected;
        c.observed = observed.rows[std::size_t(k)][bonus ? 1 : 0];
        c.ratio = double(c.observed) / expected;
        // The share of the rows that could score the class, set against the
        // share chance gives them.
        const double chanceShare = expected / double(trials);
        const Interval share = shareInterval(c.observed, trials);
        c.ratioInterval = {share.low / chanceShare, share.high / chanceShare};
        classes.push_back(c);
    };
    for (int k = 0; k <= 6; ++k) {
        // Without a bonus number every row with k hits is in the plain class.
        add(k, false, allRows,
            double(observed.rowsWithBonus) * probability(k, false)
                + double(observed.rowsWithoutBonus) * hitProbability(k));
        if (k <= 5)
            add(k, true, observed.rowsWithBonus, double(observed.rowsWithBonus) * probability(k, true));
    }
    return classes;
}

QStringList report(const std::vector<ClassComparison>& classes, const TestResult& test)
{
    using UiText::line;
    QStringList lines;
    lines << QString() << line(TextLine::ChanceHeading)
          << QStringList{line(TextLine::ChanceColumnClass), line(TextLine::ChanceColumnExpected),
                         line(TextLine::ChanceColumnObserved), line(TextLine::ChanceColumnRatio),
                         line(TextLine::ChanceColumnInterval)}
                 .join(QLatin1Char('\t'));
    for (const ClassComparison& c : classes) {
        lines << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                     .arg(className(c), decimal(c.expected), QString::number(c.observed),
                          decimal(c.ratio),
                          line(TextLine::ChanceInterval)
                              .arg(decimal(c.ratioInterval.low), decimal(c.ratioInterval.high)));
    }
    lines << line(TextLine::ChanceDescribeOnly).arg(classes.size());
    lines << line(TextLine::ChanceTest).arg(count(test.runs), QString::number(test.seed));
    if (test.rows == 0 || test.runs == 0) {
        lines << line(TextLine::ChanceNoRows);
        return lines;
    }
    lines << line(TextLine::ChanceObserved)
                 .arg(count(test.observed), count(test.rows), decimal(test.referenceMean),
                      QLocale(QLocale::German).toString(test.pValue, 'f', 3));
    lines << line(test.better() ? TextLine::ChanceBetter : TextLine::ChanceNotBetter);
    return lines;
}

} // namespace Chance
