#include "generator/NumberPool.h"

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
