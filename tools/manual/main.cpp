// Writes the manual "Numerant.pdf" from its HTML chapters, with screenshots
// of the real window taken offscreen from an example database. Run by the
// build; any failure ends it with a message and a non-zero status, so a
// broken manual stops the build instead of shipping.
//
// On request it also writes pictures for a person to look over:
//   manualgen --language-sheets <program-folder> <folder>
//     one sheet per interface language with every tab and both dialogs;
//   manualgen --chart-shots <program-folder> <folder>
//     every chart and the report viewer, German and English, at the design
//     size and at twice that size.
#include "ManualDocument.h"
#include "ManualShots.h"
#include "ReviewShots.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "manual: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerant"));
    QStringList args = QApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--language-sheets")) {
        const QString failure = ReviewShots::writeLanguageSheets(args.at(2), args.at(3));
        return failure.isEmpty() ? 0 : fail(failure);
    }
    if (args.size() == 4 && args.at(1) == QLatin1String("--chart-shots")) {
        const QString failure = ReviewShots::writeChartShots(args.at(2), args.at(3));
        return failure.isEmpty() ? 0 : fail(failure);
    }
    // The pictures show the window in the manual's language.
    QString language = QStringLiteral("de");
    if (args.size() > 2 && args.at(1) == QLatin1String("--language")) {
        language = args.at(2);
        args.remove(1, 2);
    }
    if (args.size() < 4 || args.size() > 5) {
        std::fprintf(stderr,
                     "usage: %s [--language <code>] <chapter-folder> <program-folder> <output.pdf> "
                     "[<screenshot-folder>]\n"
                     "       %s --language-sheets|--chart-shots <program-folder> <folder>\n"
                     "program-folder holds the delivered files (land/) the window reads\n",
                     argv[0], argv[0]);
        return 2;
    }
    const QString& chapterFolder = args.at(1);
    const QString programFolder = QDir(args.at(2)).absolutePath() + QLatin1Char('/');
    const QString& pdfPath = args.at(3);

    ManualDocument manual;
    if (!manual.load(chapterFolder))
        return fail(manual.error());

    // Checked before the window starts, so a typo in a chapter fails at once.
    QStringList unknown;
    for (const QString& name : manual.shotNames())
        if (!ManualShots::names().contains(name))
            unknown << name;
    if (!unknown.isEmpty())
        return fail(QStringLiteral("the chapters ask for unknown screenshots: %1 (known: %2)")
                        .arg(unknown.join(QStringLiteral(", ")),
                             ManualShots::names().join(QStringLiteral(", "))));

    ManualShots shots(programFolder, language);
    if (!shots.take())
        return fail(shots.error());
    for (const QString& message : shots.messages())
        std::fprintf(stderr, "manual: warning: the window showed a message: %s\n",
                     qPrintable(message));

    if (!manual.writePdf(pdfPath, shots.shots()))
        return fail(manual.error());

    if (args.size() == 5) {
        const QDir folder(args.at(4));
        if (!folder.mkpath(QStringLiteral(".")))
            return fail(QStringLiteral("cannot make %1").arg(folder.path()));
        for (auto it = shots.shots().cbegin(); it != shots.shots().cend(); ++it) {
            const QString file = folder.filePath(it.key() + QStringLiteral(".png"));
            if (!it.value().save(file, "PNG"))
                return fail(QStringLiteral("cannot write %1").arg(file));
        }
    }
    return 0;
}
