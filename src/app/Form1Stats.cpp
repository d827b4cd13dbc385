#include "app/TForm1.h"

void TForm1::connectStats() {}

void TForm1::SpeedButton2Click() {}

void TForm1::Button5Click() {}

void TForm1::SpeedButton9Click() {}

void TForm1::Button8Click() {}

void TForm1::Button6Click() {}

void TForm1::Button2Click() {}

void TForm1::Button3Click() {}

void TForm1::Button4Click() {}

void TForm1::Button9Click() {}

void TForm1::Button10Click() {}

void TForm1::Button11Click() {}

void TForm1::Label88Click() {}

void TForm1::DiagrammQuersummen() {}

void TForm1::Label89Click() {}

void TForm1::Label91Click() {}

void TForm1::Label90Click() {}
