#pragma once

#include <QString>

// Where the program reads its delivered files (language files, sound, manual)
// and where it writes (database, temporary files, reports). Both are the
// executable's folder unless that folder cannot be written, as after a
// system-wide install; then writes go to the per-user data folder.
struct AppPaths {
    QString programDir; // with trailing '/'
    QString home;       // with trailing '/'

    static AppPaths forExecutable(const QString& executableDir);
};
