#pragma once

// Value bands over a statistic: which numbers or groups a preference takes.
// Ends are whole numbers, rounded half to even from Max, Min and a fraction.
struct Band {
    long long low = 0;
    long long high = 0;
    bool lowExclusive = false;

    bool contains(double value) const
    {
        const bool aboveLow = lowExclusive ? value > double(low) : value >= double(low);
        return aboveLow && value <= double(high);
    }
    friend bool operator==(const Band&, const Band&) = default;
};

// Number statistics (frequency, overdue): both ends inclusive.
Band numberTopBand(double max, double min, double fraction);
Band numberBottomBand(double max, double min, double fraction);

// Group statistics (pairs, triples, quads), fraction fixed at 0.3. The top
// band excludes its lower end; the bottom band starts above 0, so a group that
// never occurred is never preferred as rare.
Band groupTopBand(double max, double min);
Band groupBottomBand(double max, double min);
