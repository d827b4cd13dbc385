#pragma once

#include "draws/Draw.h"

#include <span>
#include <vector>

// The days a ticket is played on.
enum class DrawDays { Saturday = 1, Wednesday = 2, Both = 3 };

// A ticket's run: from the first draw date for a number of weeks on its draw
// days. Weeks 0 is a ticket that runs until it is changed.
struct TicketRun {
    double firstDate = 0.0;
    int weeks = 1;            // 1..5, or 0: until changed
    DrawDays days = DrawDays::Saturday;

    static constexpr int kMaxWeeks = 5;

    int drawsPerWeek() const { return days == DrawDays::Both ? 2 : 1; }
    // Draws the ticket pays for: per week for a ticket without an end.
    int paidDraws() const { return drawsPerWeek() * (weeks > 0 ? weeks : 1); }
    // The date is one of the run's draw days, inside the run.
    bool covers(double date) const;
};

// Indexes of the stored draws (ascending by date) that fall in the run.
std::vector<int> drawsInRun(std::span<const Draw> draws, const TicketRun& run);
