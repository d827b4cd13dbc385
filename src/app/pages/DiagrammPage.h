#pragma once

#include <QWidget>

class DiagrammPage : public QWidget {
    Q_OBJECT
public:
    explicit DiagrammPage(QWidget* parent = nullptr);
};
