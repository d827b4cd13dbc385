#pragma once

#include <QString>

// The folder that holds the files delivered with the program (the language
// files in land/, the sound, the manual, the shipped draw history), with a
// trailing '/'. In a build tree they sit beside the executable; after an
// install the executable is in <prefix>/bin and they are in
// <prefix>/share/numerant. A land/ folder beside the executable wins, so a
// copied or unpacked program folder keeps working as it is.
QString deliveredFilesFolder(const QString& executableDir);

// The manual to open for the interface language `sprache` (1 = English):
// the first of the language's own manual and the German one that exists,
// looked for in `home` (a copy there wins) and then in `delivered`. When
// none exists, the path it was looked for first, so the user can be told.
QString manualPath(int sprache, const QString& home, const QString& delivered);
