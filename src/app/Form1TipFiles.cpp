#include "app/TForm1.h"

void TForm1::connectTipFiles() {}

void TForm1::SpeedButton15Click() {}

void TForm1::SpeedButton16Click() {}

void TForm1::Textladen(const QString&) {}

void TForm1::BitBtn7Click() {}
