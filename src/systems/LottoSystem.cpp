#include "systems/LottoSystem.h"

#include <bit>

namespace Systems {

int popCount(NumberMask mask)
{
    return std::popcount(mask);
}

bool isLottoNumbers(const std::vector<int>& numbers)
{
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 1 || numbers[i] > 49)
            return false;
        if (i > 0 && numbers[i] <= numbers[i - 1])
            return false;
    }
    return true;
}

std::int64_t binomial(int n, int r)
{
    if (r < 0 || n < 0 || r > n)
        return 0;
    std::int64_t value = 1;
    for (int i = 1; i <= r; ++i)
        value = value * (n - r + i) / i;
    return value;
}

std::vector<NumberMask> fullSystemRows(int k)
{
    std::vector<NumberMask> rows;
    if (k < 6 || k > kMaxFull)
        return rows;
    rows.reserve(static_cast<std::size_t>(binomial(k, 6)));
    std::array<int, 6> p{0, 1, 2, 3, 4, 5};
    for (;;) {
        NumberMask row = 0;
        for (int i : p)
            row |= NumberMask(1) << i;
        rows.push_back(row);
        // The next combination in lexicographic order.
        int i = 5;
        while (i >= 0 && p[static_cast<std::size_t>(i)] == k - 6 + i)
            --i;
        if (i < 0)
            break;
        ++p[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < 6; ++j)
            p[static_cast<std::size_t>(j)] = p[static_cast<std::size_t>(j - 1)] + 1;
    }
    return rows;
}

LottoSystem fullSystem(const std::vector<int>& numbers)
{
    LottoSystem system;
    system.numbers = numbers;
    system.rows = fullSystemRows(int(numbers.size()));
    system.guarantee = {6, 6};
    return system;
}

NumberMask maskOf(const SixNumbers& row)
{
    NumberMask mask = 0;
    for (int n : row)
        if (n >= 0 && n < 64)
            mask |= NumberMask(1) << n;
    return mask;
}

SixNumbers sixNumbers(NumberMask numberMask)
{
    SixNumbers row{};
    std::size_t i = 0;
    while (numberMask != 0 && i < row.size()) {
        row[i++] = std::countr_zero(numberMask);
        numberMask &= numberMask - 1;
    }
    return row;
}

NumberMask positionsOf(NumberMask numberMask, const std::vector<int>& numbers)
{
    NumberMask positions = 0;
    for (std::size_t i = 0; i < numbers.size() && i < 64; ++i)
        if (numbers[i] >= 0 && numbers[i] < 64 && (numberMask >> numbers[i]) & 1U)
            positions |= NumberMask(1) << i;
    return positions;
}

NumberMask numbersOf(NumberMask positionMask, const std::vector<int>& numbers)
{
    NumberMask mask = 0;
    for (std::size_t i = 0; i < numbers.size() && i < 64; ++i)
        if ((positionMask >> i) & 1U && numbers[i] >= 0 && numbers[i] < 64)
            mask |= NumberMask(1) << numbers[i];
    return mask;
}

} // namespace Systems

std::vector<NumberMask> LottoSystem::numberRows() const
{
    std::vector<NumberMask> out;
    out.reserve(rows.size());
    for (NumberMask row : rows)
        out.push_back(Systems::numbersOf(row, numbers));
    return out;
}

std::vector<SixNumbers> LottoSystem::sortedRows() const
{
    std::vector<SixNumbers> out;
    out.reserve(rows.size());
    for (NumberMask row : rows)
        out.push_back(Systems::sixNumbers(Systems::numbersOf(row, numbers)));
    return out;
}
