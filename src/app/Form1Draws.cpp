#include "app/TForm1.h"

void TForm1::connectDraws() {}

void TForm1::SpeedButton6Click() {}

void TForm1::SpeedButton7Click() {}

void TForm1::BitBtn8Click() {}

void TForm1::BitBtn4Click() {}
