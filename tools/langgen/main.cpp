// Makes the positional language files beside the program from the editable
// sources: bezeich.txt.<code>, meldungen.txt.<code> and Radio1..3.txt.<code>
// for every language of the menu.
//
//   langgen <folder of the <code>.tsv sources> <land folder holding bezeich.txt>
//
// Missing or stale entries are reported but do not stop the build: the
// German text stands in, and the translation test names them.

#include "text/LanguageFileSet.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: langgen <translations folder> <land folder>\n";
        return 2;
    }
    QStringList problems;
    const QString error = LanguageFileSet::writeAll(args[1], args[2], &problems);
    for (const QString& problem : problems)
        err << "langgen: warning: " << problem << '\n';
    if (!error.isEmpty()) {
        err << "langgen: error: " << error << '\n';
        return 1;
    }
    return 0;
}
