#include "CrashOps.h"

#include "draws/DateSerial.h"
#include "draws/DrawEditing.h"
#include "draws/DrawFile.h"

#include <algorithm>

namespace CrashOps {

namespace {

constexpr int kInitialDraws = 5000;

Draw randomDraw(std::mt19937& random, double datum)
{
    Draw draw;
    draw.datum = datum;
    std::vector<int> pool(49);
    for (int i = 0; i < 49; ++i)
        pool[std::size_t(i)] = i + 1;
    std::shuffle(pool.begin(), pool.end(), random);
    std::sort(pool.begin(), pool.begin() + 6);
    for (std::size_t i = 0; i < 7; ++i)
        draw.zahlen[i] = std::uint8_t(pool[i]);
    draw.zahlen[7] = std::uint8_t(random() % 10);
    for (auto& digit : draw.spiel77)
        digit = std::uint8_t(random() % 10);
    for (auto& digit : draw.super6)
        digit = std::uint8_t(random() % 10);
    return draw;
}

std::size_t pick(std::mt19937& random, std::size_t count)
{
    return std::size_t(random() % count);
}

} // namespace

const char* name(Kind kind)
{
    switch (kind) {
    case Kind::Append: return "append";
    case Kind::Insert: return "insert";
    case Kind::Replace: return "replace";
    case Kind::Delete: return "delete";
    }
    return "?";
}

std::vector<Draw> initialDraws(std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Draw> draws;
    double datum = DateSerial::fromDate(QDate(1990, 1, 3)); // a Wednesday
    for (int i = 0; i < kInitialDraws; ++i) {
        draws.push_back(randomDraw(random, datum));
        datum += i % 2 == 0 ? 3 : 4;
    }
    return draws;
}

Operation next(std::mt19937& random, const std::vector<Draw>& state)
{
    Operation op;
    op.kind = state.size() < 2 ? Kind::Append : Kind(random() % kindCount);
    switch (op.kind) {
    case Kind::Append:
        op.draw = randomDraw(random, state.empty() ? 40000.0 : state.back().datum + 3);
        break;
    case Kind::Insert: {
        // The day after a stored draw is never a stored draw: draws are days apart.
        const Draw& before = state[pick(random, state.size() - 1)];
        op.draw = randomDraw(random, before.datum + 1);
        break;
    }
    case Kind::Replace:
        op.draw = randomDraw(random, state[pick(random, state.size())].datum);
        break;
    case Kind::Delete:
        op.datum = state[pick(random, state.size())].datum;
        break;
    }
    return op;
}

std::vector<Draw> applied(const std::vector<Draw>& state, const Operation& operation)
{
    if (operation.kind == Kind::Delete)
        return withoutDate(state, operation.datum);
    EntryResult result = insertOrReplace(state, operation.draw);
    if (!result.append)
        return result.draws;
    std::vector<Draw> grown = state;
    grown.push_back(result.record);
    return grown;
}

QString perform(const QString& databasePath, const Operation& operation)
{
    const DrawFile file(databasePath);
    return operation.kind == Kind::Delete ? deleteDrawsOf(file, operation.datum)
                                          : storeEntry(file, operation.draw);
}

QByteArray encoded(const std::vector<Draw>& draws)
{
    QByteArray bytes(qsizetype(draws.size() * 32), '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        encodeDraw(draws[i], bytes.data() + i * 32);
    return bytes;
}

} // namespace CrashOps
