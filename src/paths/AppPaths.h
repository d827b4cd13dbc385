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
    QString executableDir; // with trailing '/'; a database left there is adopted
    // Set when there is no folder to write into: the per-user folder could not
    // be created or written. A German sentence naming the folder and the
    // reason; the program cannot keep a database then.
    QString problem;

    // The name of the draw database, in `home`.
    static QString databaseName() { return QStringLiteral("ZahlenOB.dat"); }
    // A database delivered with the program, which is adopted while `home`
    // holds none: the first readable `name` in `executableDir` and then in
    // `programDir`, leaving out `home` itself; empty when there is none.
    QString deliveredDatabase(const QString& name) const;

    // `userDataDir` replaces the per-user data folder (tests).
    static AppPaths forExecutable(const QString& executableDir,
                                  const QString& userDataDir = QString());
};
