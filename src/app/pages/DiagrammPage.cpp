#include "app/pages/DiagrammPage.h"

DiagrammPage::DiagrammPage(QWidget* parent) : QWidget(parent) {}
