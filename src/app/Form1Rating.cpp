#include "app/TForm1.h"

void TForm1::connectRating() {}

void TForm1::Zettelcheck(const QString&, const QString&, const QString&, const QString&, const QString&, const QString&) {}

void TForm1::Komplettcheck() {}

void TForm1::SpeedButton5Click() {}
