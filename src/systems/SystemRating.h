#pragma once

#include "draws/Draw.h"
#include "systems/LottoSystem.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

struct TicketRun;

// A system's rows against one draw: rows per number of hits and per prize
// class by the rules in force on the draw's date.
struct SystemDrawRating {
    double date = 0.0;
    bool rated = false;              // false: the record does not hold six numbers 1..49
    bool classTable = false;         // a class table is kept for the date
    std::array<int, 7> perHits{};    // rows with 0..6 hits
    std::array<int, 10> perClass{};  // rows per class [1..9]; [0] rows without a class
};

// Sums over many draws.
struct SystemTotals {
    int draws = 0;                            // draws rated
    int drawsWithClasses = 0;                 // of these, draws with a class table
    std::array<std::int64_t, 7> perHits{};
    std::array<std::int64_t, 10> perClass{};
    std::int64_t stakeCents = 0;              // rows x price per row x draws rated

    void add(const SystemDrawRating& rating, std::size_t rows);
};

// The system beside the same number of random rows on the same draws.
struct SystemBacktest {
    SystemTotals system;
    SystemTotals random;
    std::vector<NumberMask> randomRows; // number masks, so a report can show them
    int skipped = 0;                    // records in the range that hold no valid draw
};

namespace SystemRating {

// The draw's six numbers as a mask; 0 when the record does not hold six
// different numbers 1..49.
NumberMask drawMask(const Draw& draw);

// rows: number masks (LottoSystem::numberRows()). ticketSuper is the ticket's
// super number (the last digit of the Losnummer), -1 when there is none: the
// classes that ask for the super number are then not given.
SystemDrawRating rate(std::span<const NumberMask> rows, const Draw& draw, int ticketSuper);

// Every stored draw of the ticket's run, oldest first.
std::vector<SystemDrawRating> rateRun(std::span<const NumberMask> rows, std::span<const Draw> draws,
                                      const TicketRun& run, int ticketSuper);

// The stored draws dated fromDate..toDate (day serials, both included), with
// as many random rows (six different numbers 1..49 each, from a generator
// seeded with `seed`) played on the same draws.
SystemBacktest backtest(std::span<const NumberMask> rows, std::span<const Draw> draws, double fromDate,
                        double toDate, int ticketSuper, std::uint32_t seed);

// Rows of six different numbers 1..49, the same for the same seed.
std::vector<NumberMask> randomRows(std::size_t count, std::uint32_t seed);

} // namespace SystemRating
