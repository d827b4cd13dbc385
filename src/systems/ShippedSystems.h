#pragma once

#include "systems/LottoSystem.h"

#include <vector>

// The reduced systems the program ships, each with its guarantee, row count
// and whether that count is proven minimal (tools/systemsearch repeats the
// exhaustive search that showed no smaller system exists) or only the best
// found. Every entry is proven by the checker in the test run.
struct ShippedSystem {
    int k = 0;
    Guarantee guarantee;
    bool provenMinimal = false;
    std::vector<NumberMask> rows; // position masks over 0..k-1, ascending
};

namespace ShippedSystems {

const std::vector<ShippedSystem>& all();

// The entry for k and the guarantee, or nullptr.
const ShippedSystem* find(int k, Guarantee guarantee);

// The entry on the given numbers (k = numbers.size()); name left empty.
LottoSystem onNumbers(const ShippedSystem& entry, const std::vector<int>& numbers);

// Rows written as position digits 1-9 and A-D for 10-13, one word a row:
// "123456 12345A". Empty when a word is not six different positions below k.
std::vector<NumberMask> parseRows(const char* text, int k);
QString formatRows(const std::vector<NumberMask>& rows);

} // namespace ShippedSystems
