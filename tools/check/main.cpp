// numerant-check: rates a lottery ticket against the stored draws, for
// scripts and cron jobs. See Check.h.
#include "Check.h"

#include "paths/DeliveredFiles.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The name also names the per-user data folder, which the window shares.
    QCoreApplication::setApplicationName(QStringLiteral("Numerant"));
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    Check::Environment environment;
    // Finding the default database may create the per-user folder, as the
    // window does; not when the database is named.
    if (!arguments.contains(QStringLiteral("--db")))
        environment.database = Check::defaultDatabase(programDir);
    environment.languageFolder = deliveredFilesFolder(programDir) + QStringLiteral("land");
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.lang = qEnvironmentVariable(variable);
        if (!environment.lang.isEmpty())
            break;
    }

    const Check::Output output = Check::run(arguments, environment);
    std::fwrite(output.out.constData(), 1, std::size_t(output.out.size()), stdout);
    std::fwrite(output.err.constData(), 1, std::size_t(output.err.size()), stderr);
    return output.exitCode;
}
