#include "generator/NumberPool.h"

#include <algorithm>

void NumberPool::clear()
{
    count_ = 0;
    marked_.fill(false);
}

bool NumberPool::append(int number, int times)
{
    if (number < 1 || number > 49)
        return times <= 0;
    bool all = true;
    for (int i = 0; i < times; ++i) {
        if (count_ >= Capacity) {
            all = false;
            break;
        }
        entries_[std::size_t(count_)] = static_cast<std::uint8_t>(number);
        marked_[std::size_t(count_)] = false;
        ++count_;
    }
    return all;
}

int NumberPool::countOf(int number) const
{
    int n = 0;
    for (int i = 0; i < count_; ++i)
        n += entries_[std::size_t(i)] == number ? 1 : 0;
    return n;
}

std::vector<int> NumberPool::strongest(int count) const
{
    std::array<int, 50> entries{};
    for (int i = 0; i < count_; ++i)
        ++entries[entries_[std::size_t(i)]];
    std::vector<int> numbers;
    for (int n = 1; n <= 49; ++n)
        if (entries[std::size_t(n)] > 0)
            numbers.push_back(n);
    // Stable: of equally strong numbers the smaller ones stay in front.
    std::stable_sort(numbers.begin(), numbers.end(),
                     [&entries](int a, int b) { return entries[std::size_t(a)] > entries[std::size_t(b)]; });
    numbers.resize(std::min(numbers.size(), std::size_t(std::max(count, 0))));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

int NumberPool::distinctNumbers() const
{
    std::array<bool, 50> seen{};
    int distinct = 0;
    for (int i = 0; i < count_; ++i) {
        const std::uint8_t v = entries_[std::size_t(i)];
        if (!seen[v]) {
            seen[v] = true;
            ++distinct;
        }
    }
    return distinct;
}

void NumberPool::markAll(int number)
{
    for (int i = 0; i < count_; ++i)
        if (entries_[std::size_t(i)] == number)
            marked_[std::size_t(i)] = true;
}

void NumberPool::markOne(int number)
{
    for (int i = 0; i < count_; ++i) {
        if (entries_[std::size_t(i)] == number && !marked_[std::size_t(i)]) {
            marked_[std::size_t(i)] = true;
            return;
        }
    }
}

void NumberPool::dropMarked()
{
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
        if (!marked_[std::size_t(i)])
            entries_[std::size_t(kept++)] = entries_[std::size_t(i)];
    }
    count_ = kept;
    marked_.fill(false);
}
