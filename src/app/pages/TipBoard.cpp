#include "app/pages/TipBoard.h"

TipBoard::TipBoard(QWidget* parent) : QWidget(parent) {}
