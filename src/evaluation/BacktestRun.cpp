#include "evaluation/BacktestRun.h"

#include "draws/DateSerial.h"
#include "draws/DrawLocator.h"
#include "generator/Random.h"

#include <algorithm>
#include <cmath>

BacktestOutcome runBacktest(const std::vector<Draw>& draws, const BacktestSetup& setup,
                            Random& random, BacktestHost& host)
{
    BacktestOutcome outcome;
    outcome.counts.ticketSuper = setup.ticketSuper;
    if (draws.empty())
        return outcome;
    const auto makeCurrent = [&](double day) {
        outcome.lastDay = std::nearbyint(day);
        outcome.current = locateDraw(draws, outcome.lastDay)->index;
        host.currentChanged(outcome.current);
    };
    makeCurrent(setup.firstDay);

    double loopDate = setup.firstDay;
    double previous = DateSerial::today();
    int threeOrMore = 4; // the first pass always generates
    // A damaged date (NaN) never equals itself: such a run ends at once.
    while (previous != loopDate && std::isfinite(loopDate)) {
        if (host.stopBefore(outcome.counts.passes + 1, loopDate)) {
            outcome.stopped = true;
            break;
        }
        previous = loopDate;
        const double seen = draws[std::size_t(outcome.current)].datum; // the latest draw the generation knows
        random.setSeed(setup.seed);
        if (!setup.onlyAfterThree || threeOrMore > 0)
            host.generate(outcome.current);
        // Rate a draw the generation could not see. From a day without a
        // draw the current draw is the next one, which the step alone may
        // not pass.
        makeCurrent(std::max(loopDate + setup.advance, seen + 1.0));
        const Draw& rated = draws[std::size_t(outcome.current)];
        const BoardRows tips = host.tips();
        threeOrMore = outcome.counts.addPass(rateBoard(tips, rated.zahl()).statistik, rated, tips);
        loopDate = rated.datum;
        // No later draw: this pass rated the last draw once more, and it is
        // the last pass.
        if (rated.datum == seen)
            break;
    }
    outcome.threeOrMore = threeOrMore;
    return outcome;
}
