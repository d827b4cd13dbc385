#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The weighted multiset of numbers 1..49 from which rows are drawn: a number
// with four entries in a pool of 80 comes up with chance 4/80 at each pick.
// Entries are appended and removed by marking; marked entries are dropped in
// one pass before the pool is used. Order carries no meaning, but it is kept,
// so that one seed draws the same rows.
class NumberPool {
public:
    static constexpr int Capacity = 500;

    void clear();
    // Appends `times` entries of `number`. Entries beyond the capacity, and
    // numbers outside 1..49 (a damaged draw record), are not added; returns
    // false when something was left out.
    bool append(int number, int times = 1);

    int count() const { return count_; }
    int entry(int index) const { return entries_[std::size_t(index)]; }
    std::span<const std::uint8_t> entries() const { return {entries_.data(), std::size_t(count_)}; }

    int countOf(int number) const;
    // How many different numbers the pool holds; rows need six.
    int distinctNumbers() const;
    // The `count` numbers with the most entries, ascending; of numbers with
    // equally many, the smaller ones. Fewer when the pool holds fewer numbers.
    std::vector<int> strongest(int count) const;

    // Marks every entry equal to `number`.
    void markAll(int number);
    // Marks one unmarked entry equal to `number`, if there is one.
    void markOne(int number);
    void dropMarked();

private:
    std::array<std::uint8_t, Capacity> entries_{};
    std::array<bool, Capacity> marked_{};
    int count_ = 0;
};
