#include "app/TForm1.h"

void TForm1::connectImport() {}
void TForm1::ImportButtonClick() {}
void TForm1::ExportButtonClick() {}
