#include "app/pages/LottotippPage.h"

LottotippPage::LottotippPage(QWidget* parent) : QWidget(parent) {}
