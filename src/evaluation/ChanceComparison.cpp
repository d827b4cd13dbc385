#include "evaluation/ChanceComparison.h"

#include <QLocale>

#include <algorithm>
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

QString className(const Chance::ClassComparison& c)
{
    return c.bonus ? QStringLiteral("%1x + Bonus").arg(c.hits) : QStringLiteral("%1x").arg(c.hits);
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

QStringList report(const std::vector<ClassComparison>& classes)
{
    QStringList lines;
    lines << QString()
          << QStringLiteral("Vergleich mit dem Zufall: was ebenso viele zufällige Reihen auf "
                            "dieselben Ziehungen erwarten ließen")
          << QStringLiteral("Klasse\tErwartet\tErzielt\tVerhältnis\t95-%-Intervall");
    QStringList above;
    QStringList below;
    bool winAbove = false;
    bool winBelow = false;
    for (const ClassComparison& c : classes) {
        lines << QStringLiteral("%1\t%2\t%3\t%4\t%5 bis %6")
                     .arg(className(c), decimal(c.expected), QString::number(c.observed),
                          decimal(c.ratio), decimal(c.ratioInterval.low),
                          decimal(c.ratioInterval.high));
        const bool win = c.hits >= 3;
        if (c.ratioInterval.low > 1.0) {
            above << className(c);
            winAbove = winAbove || win;
        } else if (c.ratioInterval.high < 1.0) {
            below << className(c);
            winBelow = winBelow || win;
        }
    }
    lines << QStringLiteral("Das Intervall nimmt an, dass die Reihen unabhängig voneinander "
                            "treffen; bei vielen Klassen liegt auch reiner Zufall gelegentlich "
                            "außerhalb.");
    if (above.isEmpty() && below.isEmpty()) {
        lines << QStringLiteral("Die Parameter lagen im Rahmen des Zufalls.");
        return lines;
    }
    QStringList parts;
    if (!above.isEmpty())
        parts << QStringLiteral("häufiger als zufällig in %1").arg(above.join(QStringLiteral(", ")));
    if (!below.isEmpty())
        parts << QStringLiteral("seltener als zufällig in %1").arg(below.join(QStringLiteral(", ")));
    QString verdict;
    if (winAbove && !winBelow)
        verdict = QStringLiteral("In den Klassen ab 3 Treffern waren sie besser als der Zufall.");
    else if (winBelow && !winAbove)
        verdict = QStringLiteral("In den Klassen ab 3 Treffern waren sie schlechter als der Zufall.");
    else if (winAbove && winBelow)
        verdict = QStringLiteral("In den Klassen ab 3 Treffern waren sie teils besser, teils "
                                 "schlechter als der Zufall.");
    else
        verdict = QStringLiteral("In den Klassen ab 3 Treffern lagen sie im Rahmen des Zufalls.");
    lines << QStringLiteral("Die Parameter lagen nicht überall im Rahmen des Zufalls: %1. %2")
                 .arg(parts.join(QStringLiteral("; ")), verdict);
    return lines;
}

} // namespace Chance
