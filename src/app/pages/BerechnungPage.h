#pragma once

#include <QWidget>

class BerechnungPage : public QWidget {
    Q_OBJECT
public:
    explicit BerechnungPage(QWidget* parent = nullptr);
};
