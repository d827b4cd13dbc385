#include "systems/ShippedSystems.h"

#include <algorithm>
#include <cstring>

namespace {

struct Entry {
    int k;
    Guarantee guarantee;
    bool provenMinimal;
    const char* rows;
};

// Made by `systemsearch table`; `systemsearch verify` repeats the proofs.
// clang-format off
const Entry kTable[] = {
    {8, {3, 3}, true, "123478 123567 134568 245678"},
    {8, {3, 4}, true, "123458 134568 245678"},
    {8, {4, 4}, true, "123478 123567 124578 124678 134568 234568 345678"},
    {8, {4, 5}, true, "123478 134568 245678"},
    {8, {5, 6}, true, "123467 123478 134568 245678"},
    {9, {3, 3}, true, "123489 125689 125789 134578 134678 235679 245679"},
    {9, {3, 4}, true, "123489 124678 356789"},
    {9, {4, 4}, true, "123459 123567 123789 124678 125689 134568 134679 145789 234578 234689 245679 356789"},
    {9, {4, 5}, true, "123459 124678 356789"},
    {9, {5, 6}, true, "123468 123579 125679 145789 245789 345679 356789"},
    {10, {3, 3}, false, "12346A 12568A 12679A 134679 135689 145678 234578 23579A 24789A 34589A"},
    {10, {3, 4}, true, "12356A 13456A 135689 24789A"},
    {10, {4, 4}, false, "12346A 123569 123678 124578 12459A 12789A 134589 13478A 13579A 14568A 14679A 156789 234568 23457A 23489A 23679A 245679 25689A 346789 35678A"},
    {10, {4, 5}, true, "12346A 125789 135689 14789A 235689 24789A 34567A"},
    {10, {5, 6}, false, "123457 12346A 123789 12468A 12579A 134569 13568A 145678 15679A 23567A 235689 24589A 246789 34789A"},
    {11, {3, 3}, false, "12345B 124678 1279AB 13578A 13689B 14569A 23489A 235679 2568AB 3467AB 45789B"},
    {11, {3, 4}, true, "123457 13579B 1678AB 24689A 3568AB"},
    {11, {4, 4}, false, "12347B 123579 12367A 123689 124589 12469A 1256AB 12589B 12789A 13456B 13478B 1349AB 13578A 1378AB 14579A 14678A 15679B 15689B 234569 23458A 2359AB 23678B 245678 2457AB 24679B 2468AB 34567A 346789 35689A 35789B 3679AB 4589AB"},
    {11, {4, 5}, false, "12458A 12789B 13469B 13567A 1569AB 234678 23589A 2358AB 45679B 4679AB"},
    {11, {5, 6}, false, "12349B 123567 124678 12469A 12579A 1258AB 134589 1347AB 13578B 13689A 1456AB 16789B 23458A 23468B 2367AB 23789A 24579B 25689B 345679 3569AB 45678A 4789AB"},
    {12, {3, 3}, false, "12359B 12479C 12689A 134568 134ABC 1357AC 1678BC 23478A 23568C 24567B 258ABC 3489BC 35789C 3679AB 4569AC"},
    {12, {3, 4}, false, "12356B 12478C 12789A 3459AC 35678B 469ABC"},
    {12, {4, 4}, false, "12348A 1235AC 12368C 12379B 124567 1249BC 12589B 1269AB 1278AC 13456B 13479C 135789 13679A 138ABC 1457AB 14589C 14678B 1469AC 1567BC 15689A 234569 2347BC 23578B 2367AB 2389AC 24579A 2458BC 246789 246ABC 25679C 2568AB 34578C 3459AB 3467AC 34689B 35678A 3569BC 4568AC 4789AB 579ABC 6789BC"},
    {12, {4, 5}, false, "12389B 1246AB 12479C 12678A 134568 1359AC 1567BC 23457A 23569C 258ABC 3478BC 3679AB 45789B 4689AC"},
    {12, {5, 6}, false, "12349B 1234AC 12356A 12379A 1245AB 124678 12578C 12589C 1267BC 13456C 134579 1348BC 13568B 1378AB 14689A 1479BC 15679B 1578AC 1589AC 169ABC 234578 23469C 2357BC 23689B 2368AC 24569B 2479AC 248ABC 25679A 2568AB 2789AB 34589A 3467AB 359ABC 36789C 3678AC 4567AC 4568BC 45789B"},
};
// clang-format on

int positionOf(char c)
{
    if (c >= '1' && c <= '9')
        return c - '1';
    if (c >= 'A' && c <= 'D')
        return c - 'A' + 9;
    return -1;
}

} // namespace

namespace ShippedSystems {

std::vector<NumberMask> parseRows(const char* text, int k)
{
    std::vector<NumberMask> rows;
    NumberMask row = 0;
    int size = 0;
    for (const char* p = text;; ++p) {
        if (*p == ' ' || *p == '\0') {
            if (size != 0) {
                if (size != 6)
                    return {};
                rows.push_back(row);
            }
            row = 0;
            size = 0;
            if (*p == '\0')
                break;
            continue;
        }
        const int position = positionOf(*p);
        if (position < 0 || position >= k || (row >> position) & 1U)
            return {};
        row |= NumberMask(1) << position;
        ++size;
    }
    return rows;
}

QString formatRows(const std::vector<NumberMask>& rows)
{
    static const char digits[] = "123456789ABCD";
    QString text;
    for (NumberMask row : rows) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        for (int i = 0; i < 13; ++i)
            if ((row >> i) & 1U)
                text += QLatin1Char(digits[i]);
    }
    return text;
}

const std::vector<ShippedSystem>& all()
{
    static const std::vector<ShippedSystem> systems = [] {
        std::vector<ShippedSystem> out;
        for (const Entry& entry : kTable)
            out.push_back({entry.k, entry.guarantee, entry.provenMinimal, parseRows(entry.rows, entry.k)});
        return out;
    }();
    return systems;
}

const ShippedSystem* find(int k, Guarantee guarantee)
{
    const auto& systems = all();
    const auto it = std::find_if(systems.begin(), systems.end(), [&](const ShippedSystem& s) {
        return s.k == k && s.guarantee == guarantee;
    });
    return it == systems.end() ? nullptr : &*it;
}

LottoSystem onNumbers(const ShippedSystem& entry, const std::vector<int>& numbers)
{
    LottoSystem system;
    system.guarantee = entry.guarantee;
    system.numbers = numbers;
    system.rows = entry.rows;
    return system;
}

} // namespace ShippedSystems
