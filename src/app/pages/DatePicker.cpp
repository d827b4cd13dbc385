#include "app/pages/DatePicker.h"

#include "platform/DateField.h"

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
    picker->setToolTip(QStringLiteral("Dieses Datum gilt als ENddatum für die Berechnung, "
                                      "Ziehungen danach werden nicht berücksichtigt"));
    return picker;
}
