#include "app/dialogs/TForm6.h"

TForm6::TForm6(QWidget* parent) : QDialog(parent) {}
