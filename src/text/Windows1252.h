#pragma once

#include <optional>

// The Windows-1252 code page, the one the older files were written in and
// the fallback that RTF readers without Unicode use. It differs from Latin-1
// only at 0x80..0x9F.
namespace Windows1252 {

// The character a byte stands for. The five bytes the code page leaves
// unassigned map to the C1 controls of the same value, as Windows itself does.
char16_t toUnicode(unsigned char byte);

// The byte that stands for a character, or nothing where the code page has
// none. The C1 controls count as none, also the five that toUnicode gives for
// the unassigned bytes: they are no characters a reader could show.
std::optional<unsigned char> fromUnicode(char16_t character);

} // namespace Windows1252
