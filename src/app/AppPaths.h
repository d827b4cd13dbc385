#pragma once

#include <QString>

// Where the program reads its delivered files (language files, sound, manual)
// and where it writes (database, temporary files, reports). The delivered
// files are beside the executable or, once installed, in ../share/numerant
// (see deliveredFilesFolder). Writes go to the executable's folder unless it
// cannot be written, as after a system-wide install; then to the per-user
// data folder.
struct AppPaths {
    QString programDir; // with trailing '/'
    QString home;       // with trailing '/'

    static AppPaths forExecutable(const QString& executableDir);
};
