#include "app/pages/DatenbankPage.h"

DatenbankPage::DatenbankPage(QWidget* parent) : QWidget(parent) {}
