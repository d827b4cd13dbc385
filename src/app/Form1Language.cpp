#include "app/TForm1.h"

void TForm1::connectLanguage() {}

void TForm1::applyLanguage(qint32) {}

void TForm1::DateiLaden1Click(const QString&, const QString&) {}

void TForm1::Deutsch1Click() {}

void TForm1::Englisch1Click() {}

void TForm1::Franzsisch1Click() {}

void TForm1::Spanisch1Click() {}

void TForm1::Trkisch1Click() {}

void TForm1::Russisch1Click() {}

void TForm1::Polnisch1Click() {}

void TForm1::schechisch1Click() {}

void TForm1::Niederlndisch1Click() {}
