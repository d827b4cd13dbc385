#pragma once

// numerant-check: rates a ticket against stored draws from the command line,
// with the library code the window uses. The whole run is one function of
// the arguments and the environment, so the tests call it directly.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Check {

enum ExitCode { Won = 0, NothingWon = 1, BadInput = 2 };

struct Environment {
    QString database;        // --db when it is not given
    QString languageFolder;  // the land/ folder with meldungen.txt.<code>
    QString lang;            // the LANG variable: picks the language without --lang
};

struct Output {
    int exitCode = BadInput;
    QByteArray out;  // stdout, UTF-8
    QByteArray err;  // stderr, UTF-8
};

// `arguments` without the program name.
Output run(const QStringList& arguments, const Environment& environment);

// The database the window uses for a program in `executableDir`: its own
// in the folder it writes to, or, while there is none yet, the one it would
// adopt from beside the program or from the delivered files.
// `userDataDir` replaces the per-user data folder (tests).
QString defaultDatabase(const QString& executableDir, const QString& userDataDir = QString());

QString helpText();

} // namespace Check
