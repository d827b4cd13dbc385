#pragma once

#include <QDateEdit>

// A date field that takes a typed date wherever the cursor is. A plain
// QDateEdit accepts digits only into a selected or unfinished section: after
// a click into the text, or with all of it selected, every typed digit is
// refused, so only the arrows and the calendar work. Here a digit typed into
// a complete section replaces that section, and the separator typed after a
// section that the field has already left is passed over, so "26.08.2026"
// and "26082026" both give 26.08.2026, whatever the locale.
class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool sectionComplete(Section section) const;

    bool justFocused_ = false; // no key typed since the field got the focus
    bool movedOn_ = false;     // the last digit completed a section
};
