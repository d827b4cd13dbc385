#include "app/pages/InternetPage.h"

InternetPage::InternetPage(QWidget* parent) : QWidget(parent) {}
