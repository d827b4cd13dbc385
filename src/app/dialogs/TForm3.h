#pragma once

#include "draws/Draw.h"

#include <QDialog>
#include <array>

class Dialogs;
class QDateEdit;
class QLabel;
class QLineEdit;
class UpDown;

// Draw entry dialog: the date, six numbers and the bonus number of one draw
// (0, shown as "keine", for the draws since 2013, which have none), the
// super number for a date from 07.12.1991 on, and the digits of Spiel 77 and
// Super 6 when the ticket plays them. Hidden fields carry the values of the
// draw being edited, so a corrected draw keeps them; only a super number
// for a date before the first one is dropped, since none was drawn then.
// BitBtn2 ends with OK, BitBtn1 aborts.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Where the refusal of an impossible draw is said.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

    // Fills every control from the draw; numbers out of a field's range are
    // clamped by the field. A digit game the record does not hold shows empty.
    void preset(const Draw& draw);
    // Shows the digit fields of the games the ticket plays.
    void setGamesPlayed(bool spiel77, bool super6);
    // The draw as entered, numbers in field order (sorting is the caller's
    // job); `reserve` is taken from the last preset draw.
    Draw draw() const;

    // OK closes only for a draw that can exist: six different numbers, a
    // bonus number (0 = none) that is not one of them, and each digit game
    // either complete or empty. Otherwise it says what is wrong and the
    // dialog stays open.
    void accept() override;

    // The texts that are no language item: the bonus field's "none".
    void showLanguageTexts();

private:
    void showFields();

    Dialogs* dialogs_ = nullptr;
    bool spiel77Played_ = false;
    bool super6Played_ = false;
    QLabel* superLabel_ = nullptr;
    QLabel* spiel77Label_ = nullptr;
    QLabel* super6Label_ = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    std::array<UpDown*, 8> upDowns_{}; // UpDown1 .. UpDown8
    std::array<QLineEdit*, 7> spiel77_{};
    std::array<QLineEdit*, 6> super6_{};
    std::array<std::uint8_t, 3> reserve_{};
};
