#pragma once

#include <QWidget>

class LottotippPage : public QWidget {
    Q_OBJECT
public:
    explicit LottotippPage(QWidget* parent = nullptr);
};
