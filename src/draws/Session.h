#pragma once

#include "draws/Draw.h"

#include <QString>

#include <array>

// What the settings store keeps about the user's lottery ticket. Nothing
// reads these values yet: they are restored at start-up, travel with tip
// files (the number) and are written back at shutdown.
struct Ticket {
    QString number;             // "Losnummer": the ticket number
    qint32 spiel77 = 0;         // "Spiel77Ja": the seven-digit game is played
    qint32 super6 = 0;          // "Super6Ja": the six-digit game is played
    qint32 gluecksSpirale = 0;  // "GlueckJa": the GlücksSpirale is played
    qint32 newTicket = 0;       // "NeuerSchein"
};

// The comparison of the board with the current draw that ran last.
struct LastRating {
    std::array<quint8, 9> treffer{}; // of the last row compared: [1..6] 0 none, 1 drawn, 2 bonus
    quint8 gewinn = 0;               // its hits on the six drawn numbers
    bool zusatz = false;             // one of its cells equals the bonus number
    // Rows rated with k hits (k = 0..6): [k][0] without the bonus number, [k][1] with it.
    std::array<std::array<qint32, 2>, 7> statistik{};
};

// The state the window works on and the engines read: the current draw, the
// dates of the counting window, the run limit, whether rating is on, the last
// rating and the ticket. The window owns one and shows it; no control holds
// any of it.
class Session {
public:
    // The current draw: numbers [1..6], [7] bonus, [8] super number, [0]
    // unused; its date and its 0-based index in the database file.
    std::array<qint32, 9> numbers{};
    double drawDate = 0.0;
    int position = 0;

    // The working date: the start of the counting window an operation last
    // used, or the day the rating located (whole days there).
    double workingDate = 0.0;
    // The end of the counting window an operation last used (inclusive).
    double windowEnd = 0.0;

    // Candidates a generation run may try.
    qint32 runLimit = 100000;
    // Leaving a tip cell re-rates the board. Off while settings are restored
    // and while the generator fills the board.
    bool ratingOn = false;

    LastRating lastRating;
    Ticket ticket;

    // `draw` becomes the current draw: its numbers and date. The position is
    // left alone, so that browsing continues from where it was when the
    // caller only examines a draw (the search) or does not know the index.
    void makeCurrent(const Draw& draw);
    // The same, with the draw's index in the file.
    void makeCurrent(const Draw& draw, int index);
};
