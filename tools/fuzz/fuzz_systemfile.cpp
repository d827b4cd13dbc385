// A system file read from any bytes, proven, written, read back and rated.
#include "FuzzInput.h"

#include "draws/Draw.h"
#include "systems/CoverageCheck.h"
#include "systems/SystemFile.h"
#include "systems/SystemRating.h"

#include <bit>

using FuzzInput::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString error;
    const std::optional<LottoSystem> system = SystemFile::parse(FuzzInput::bytes(data, size), &error);
    if (!system) {
        check(!error.isEmpty());
        return 0;
    }
    const int k = int(system->numbers.size());
    check(k >= 6 && k <= 49 && Systems::isLottoNumbers(system->numbers));
    check(!system->rows.empty() && int(system->rows.size()) <= SystemFile::maxRows);
    const NumberMask positions = (NumberMask(1) << k) - 1;
    for (NumberMask row : system->rows)
        check(std::popcount(row) == 6 && (row & ~positions) == 0);
    if (system->guarantee.isSet())
        check(CoverageCheck::check(*system).holds);

    // What was read is written and reads back the same, name aside blanks.
    const std::optional<LottoSystem> again = SystemFile::parse(SystemFile::format(*system));
    check(again.has_value());
    check(again->name == system->name.simplified());
    check(again->numbers == system->numbers && again->rows == system->rows);
    check(again->guarantee == system->guarantee);

    Draw draw;
    draw.datum = 45000;
    draw.zahlen = {1, 2, 3, 4, 5, 6, 7, 8};
    const SystemDrawRating rating = SystemRating::rate(system->numberRows(), draw, 8);
    int rows = 0;
    for (int count : rating.perClass)
        rows += count;
    check(rows == int(system->rows.size()));
    return 0;
}
