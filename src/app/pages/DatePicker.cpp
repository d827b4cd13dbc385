#include "app/pages/DatePicker.h"

#include "platform/DateField.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDateEdit>

namespace {

// Marks the pickers made here; the entry dialog has a date field of its own.
constexpr char kPickerProperty[] = "numerantDatePicker";

} // namespace

QDate DatePicker::earliestDate()
{
    return QDate(1994, 11, 19);
}

QDateEdit* DatePicker::create(const QString& name, const QDate& date, QWidget* parent)
{
    auto* picker = new DateField(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(earliestDate());
    picker->setDate(date);
    picker->setProperty(kPickerProperty, true);
    picker->setToolTip(UiText::line(TextLine::DatePickerHint));
    return picker;
}

void DatePicker::showHints(QWidget* window)
{
    for (QDateEdit* picker : window->findChildren<QDateEdit*>())
        if (picker->property(kPickerProperty).toBool())
            picker->setToolTip(UiText::line(TextLine::DatePickerHint));
}
