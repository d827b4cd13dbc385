#include "app/pages/BerechnungPage.h"

BerechnungPage::BerechnungPage(QWidget* parent) : QWidget(parent) {}
