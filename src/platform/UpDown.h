#pragma once

#include <QSpinBox>

class QLineEdit;

// A numeric field bound to a spin button. The spin box carries the spin
// button's name (`UpDown1`) and its position; its text field carries the edit
// control's name (`Edit37`) and the hint, so both can be found by name.
class UpDown : public QSpinBox {
    Q_OBJECT
public:
    UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum,
           int position, QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }
    QLineEdit* edit() const;
};
