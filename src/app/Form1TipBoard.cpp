#include "app/TForm1.h"

void TForm1::connectTipBoard() {}

void TForm1::Edit1Exit(int, int) {}

void TForm1::Loeschendertipp() {}

void TForm1::SpeedButton11Click() {}

void TForm1::TippEditClick(int) {}

void TForm1::TippEdit(int, int) {}

void TForm1::SpeedButton13Click() {}
