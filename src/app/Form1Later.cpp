#include "app/TForm1.h"

// Placeholders so start-up can call these operations before they exist; each
// is replaced by the feature that owns it.

void TForm1::applyLanguage(qint32 /*language*/)
{
    // Filled in by the language files.
}

void TForm1::NumerantClick()
{
    // Filled in by the online update.
}

void TForm1::SpeedButton5Click()
{
    // Filled in by the rating of the tips.
}

void TForm1::SpeedButton2Click()
{
    // Filled in by the number distribution chart.
}
