#pragma once

#include "draws/CountingWindow.h"
#include "draws/Draw.h"
#include "generator/GeneratorTypes.h"

#include <cstdint>
#include <span>
#include <vector>

// The stored draws of one generation run, read once and held as one bit per
// draw and number, so a candidate is checked against thousands of draws with
// a few word operations instead of a scan of the database file per candidate.
//
// Hits of a row on a draw are the row's numbers among the draw's six, plus
// one when the bonus rule is on and the row holds the bonus number, exactly as
// the comparison with the current draw counts them. A damaged record that
// holds a number twice is kept apart and compared the plain way, since it
// counts that number twice.
class HistoryIndex {
public:
    HistoryIndex() = default;
    explicit HistoryIndex(std::span<const Draw> draws);

    int drawCount() const { return drawCount_; }

    // True when some draw the window admits gives `row` at least `threshold`
    // hits. The window's start is exclusive or inclusive as it says; the
    // weekday rule applies.
    bool anyDrawReaches(const Row& row, int threshold, const CountingWindow& window,
                        bool bonusRule) const;

    // The recent window of `draws` draws before `end`: dated later than
    // end - draws * 3.5 days (two draws a week), not later than end.
    static CountingWindow recentWindow(const CountingWindow& history, int draws);

private:
    struct WindowMask {
        double start = 0.0;
        double end = 0.0;
        bool startInclusive = false;
        bool saturdays = true;
        bool wednesdays = true;
        std::vector<std::uint64_t> words;
        int firstWord = 0; // words outside first..last are all 0
        int lastWord = -1;
        std::vector<int> irregular; // indexes into irregular_ inside the window
    };
    const WindowMask& maskFor(const CountingWindow& window) const;

    int drawCount_ = 0;
    int words_ = 0;
    std::vector<double> dates_;
    std::vector<std::uint8_t> weekdays_;
    // bits_[n * words_ + w]: draw 64w + bit holds n among its six numbers;
    // bonus_[...] the same for the bonus number.
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint64_t> bonus_;
    std::vector<std::size_t> irregularIndex_; // draw index of each irregular draw
    std::vector<Draw> irregular_;
    // The few windows a run asks for (two recent ones and the counting
    // window), each computed once.
    mutable std::vector<WindowMask> masks_;
};
