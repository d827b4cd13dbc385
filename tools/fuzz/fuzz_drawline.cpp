// An answer of the draw service read from any bytes: split into lines, each
// line parsed, and every accepted line turned into the record the update
// would append.
#include "FuzzInput.h"

#include "draws/UpdateRules.h"

#include <QDate>

#include <algorithm>

using FuzzInput::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body = FuzzInput::bytes(data, size);
    const QDate day(2020, 1, 4);
    for (const QString& line : UpdateRules::bodyLines(body)) {
        check(!line.contains(u'\r') && !line.contains(u'\n') && !line.trimmed().isEmpty());
        const UpdateRules::ParsedLine parsed = UpdateRules::parseLine(line);
        if (!parsed.ok) {
            // A refused line is shown to the user, never stored.
            check(!parsed.problem.isEmpty());
            continue;
        }
        // Only six different numbers 1..49 and a bonus 0..49 get through.
        std::array<int, 6> sorted = parsed.numbers;
        std::sort(sorted.begin(), sorted.end());
        check(sorted.front() >= 1 && sorted.back() <= 49);
        check(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        check(parsed.bonus >= 0 && parsed.bonus <= 49);
        check(parsed.superNumber >= 0 && parsed.superNumber <= 9);
        check(std::all_of(parsed.spiel77.begin(), parsed.spiel77.end(), [](std::uint8_t d) { return d <= 9; }));
        check(std::all_of(parsed.super6.begin(), parsed.super6.end(), [](std::uint8_t d) { return d <= 9; }));
        const Draw record = UpdateRules::recordFor(parsed, day);
        for (std::size_t i = 0; i < 6; ++i)
            check(record.zahlen[i] >= 1 && record.zahlen[i] <= 49);
    }
    return 0;
}
