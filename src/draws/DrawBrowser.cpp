#include "draws/DrawBrowser.h"

#include "draws/CountingWindow.h"
#include "draws/DateSerial.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace {

bool skipped(const Draw& draw, bool saturdays, bool wednesdays)
{
    return browseSkips(DateSerial::weekday(draw.datum), saturdays, wednesdays);
}

int clampToFile(int position, int count)
{
    return std::clamp(position, 0, count - 1);
}

// Each step depends on the position alone, so a position seen twice means the
// stepping would go round forever: then stay put.
template <typename Step>
std::optional<int> browse(const std::vector<Draw>& draws, int position, bool saturdays, bool wednesdays, Step step)
{
    if (draws.empty())
        return std::nullopt;
    const int count = int(std::min<std::size_t>(draws.size(), std::size_t(std::numeric_limits<int>::max())));
    std::unordered_set<int> seen;
    int current = position;
    while (seen.insert(current).second) {
        const int shown = step(current, count);
        if (!skipped(draws[std::size_t(shown)], saturdays, wednesdays))
            return shown;
        current = shown;
        if (step.rebound && shown == count - 1)
            current -= 2;
    }
    return clampToFile(position, count);
}

struct PreviousStep {
    static constexpr bool rebound = false;
    // Compared before subtracting, so the lowest position cannot wrap round.
    int operator()(int position, int count) const { return clampToFile(position <= 1 ? 1 : position - 1, count); }
};

struct NextStep {
    // An excluded latest draw sends the stepping back in front of it.
    static constexpr bool rebound = true;
    int operator()(int position, int count) const
    {
        return clampToFile(position == std::numeric_limits<int>::max() ? position : position + 1, count);
    }
};

} // namespace

std::optional<int> previousPosition(const std::vector<Draw>& draws, int position, bool saturdays, bool wednesdays)
{
    return browse(draws, position, saturdays, wednesdays, PreviousStep{});
}

std::optional<int> nextPosition(const std::vector<Draw>& draws, int position, bool saturdays, bool wednesdays)
{
    return browse(draws, position, saturdays, wednesdays, NextStep{});
}
