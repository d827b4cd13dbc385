#include "platform/DateField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

DateField::DateField(QWidget* parent) : QDateEdit(parent) {}

bool DateField::sectionComplete(Section section) const
{
    // The section's width in the display format: dd and MM two, yyyy four.
    QChar letter;
    switch (section) {
    case DaySection: letter = QLatin1Char('d'); break;
    case MonthSection: letter = QLatin1Char('M'); break;
    case YearSection: letter = QLatin1Char('y'); break;
    default: return true;
    }
    return sectionText(section).size() >= displayFormat().count(letter);
}

void DateField::focusInEvent(QFocusEvent* event)
{
    justFocused_ = true;
    movedOn_ = false;
    QDateEdit::focusInEvent(event);
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const QChar key = typed.size() == 1 ? typed.at(0) : QChar();
    const bool digit = key.isDigit();
    const bool separator = !digit && key.isPrint() && !key.isLetter() && !key.isSpace();
    const bool firstKey = justFocused_;
    justFocused_ = false;

    if (separator && movedOn_) {
        movedOn_ = false; // the field is at the next section already
        event->accept();
        return;
    }
    if (!digit) {
        movedOn_ = false;
        QDateEdit::keyPressEvent(event);
        return;
    }

    QLineEdit* edit = lineEdit();
    // All of it selected, or a click behind the text and then typing: the
    // user means the whole date.
    const bool behindText = firstKey && !edit->hasSelectedText()
        && edit->cursorPosition() == edit->text().size();
    if (behindText || edit->selectedText() == edit->text())
        setSelectedSection(sectionAt(0));
    const Section before = currentSection();
    if (edit->selectedText() != sectionText(before) && sectionComplete(before))
        setSelectedSection(before); // the digit replaces the section, as after Tab
    QDateEdit::keyPressEvent(event);
    movedOn_ = currentSection() != before;
}
