#pragma once

#include <QWidget>

class InternetPage : public QWidget {
    Q_OBJECT
public:
    explicit InternetPage(QWidget* parent = nullptr);
};
