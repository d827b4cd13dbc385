#pragma once

#include <QWidget>

class DatenbankPage : public QWidget {
    Q_OBJECT
public:
    explicit DatenbankPage(QWidget* parent = nullptr);
};
