#pragma once

#include <QDate>
#include <QString>

class QDateEdit;
class QWidget;

// The two date pickers of the window share their look, earliest date and hint.
namespace DatePicker {

QDate earliestDate(); // 19.11.1994
QDateEdit* create(const QString& name, const QDate& date, QWidget* parent);
// The hint is no language item: it follows the text table after a switch.
void showHints(QWidget* window);

} // namespace DatePicker
