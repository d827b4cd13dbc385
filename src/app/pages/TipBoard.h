#pragma once

#include <QWidget>

class TipBoard : public QWidget {
    Q_OBJECT
public:
    explicit TipBoard(QWidget* parent = nullptr);
};
