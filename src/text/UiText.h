#pragma once

#include <QString>

class TextTable;

// The text table of the interface language for the whole process, like Qt's
// installed translators: the libraries word their messages (a file that
// cannot be read, a refused answer) through it, on any thread, without the
// window handing its table down every call chain. The window installs its
// table after every language switch.
namespace UiText {

// Appended lines missing from an older message file read as their German
// text, so a message never loses its words; lines 0 to 55 read as the table
// has them.
QString line(int index);

void install(const TextTable& table);

} // namespace UiText
