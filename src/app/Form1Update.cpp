#include "app/TForm1.h"

void TForm1::NumerantClick()
{
    // The online update of the draws comes with its own feature; until then
    // start-up and the update buttons leave the database as it is.
}
