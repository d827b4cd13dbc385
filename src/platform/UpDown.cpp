#include "platform/UpDown.h"

#include <QLineEdit>

UpDown::UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum,
               int position, QWidget* parent)
    : QSpinBox(parent)
{
    setObjectName(upDownName);
    lineEdit()->setObjectName(editName);
    setRange(minimum, maximum);
    setValue(position);
    setAccelerated(true);
}

QLineEdit* UpDown::edit() const
{
    return lineEdit();
}
