#pragma once

#include "draws/CountingWindow.h"

// Each statistic fixes for itself whether a draw on the start date counts,
// whatever the caller's window says.
inline CountingWindow withStart(const CountingWindow& window, bool inclusive)
{
    CountingWindow selection = window;
    selection.startInclusive = inclusive;
    return selection;
}

// The window with a later start date, which itself does not count.
inline CountingWindow startingAfter(const CountingWindow& window, double start)
{
    CountingWindow selection = withStart(window, false);
    selection.start = start;
    return selection;
}
