#pragma once

#include "draws/Draw.h"

#include <QString>

#include <array>

// The user's lottery ticket: what it plays besides the board's rows and when.
// The window edits it on "Lottotipp"; the rating and the ticket's run read it
// from here. The number travels with tip files.
struct Ticket {
    QString number;             // "Losnummer": the ticket number, kept as typed
    qint32 spiel77 = 0;         // "Spiel77Ja": the seven-digit game is played
    qint32 super6 = 0;          // "Super6Ja": the six-digit game is played
    qint32 gluecksSpirale = 0;  // "GlueckJa": the GlücksSpirale is played
    qint32 newTicket = 0;       // "NeuerSchein"
    // The draw days: 1 Saturday, 2 Wednesday, 3 both; 0 until the start-up
    // has chosen them (a first start, or settings of an older version).
    qint32 days = 0;
    // The run in weeks, 1..5; 0 runs until the ticket is changed.
    qint32 weeks = 1;
    // The first draw of the run (a day serial); 0 when none was chosen.
    double firstDate = 0.0;
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
    // The whole record of the current draw, with the digit games; it belongs
    // to the current draw only while its date and numbers are those above.
    Draw record;
    // The current draw as a record: `record` while it still belongs to the
    // current draw, else a record of the numbers and date alone (no games).
    Draw currentRecord() const;

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
