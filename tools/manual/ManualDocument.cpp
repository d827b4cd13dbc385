#include "ManualDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

namespace {

const QRegularExpression kShotReference(QStringLiteral(R"re(src\s*=\s*"shot:([A-Za-z0-9_-]+)")re"));
const QRegularExpression kChapterTitle(QStringLiteral(R"re(<h1[^>]*>(.*?)</h1>)re"),
                                       QRegularExpression::DotMatchesEverythingOption);

// Laid out at 96 pixels per inch on A4 with Qt's own margins, a screenshot of
// the window at its design width fits the text column at full size.
const QString kStyle = QStringLiteral(
    "body { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 10pt; }"
    "h1 { font-size: 17pt; color: #125048; page-break-before: always; margin-bottom: 8px; }"
    "h1.title { font-size: 26pt; page-break-before: auto; }"
    "h2 { font-size: 12.5pt; color: #125048; margin-top: 14px; }"
    "p { margin-bottom: 6px; }"
    "td, th { padding: 3px; }"
    "p.shot { margin-top: 6px; margin-bottom: 2px; }"
    "p.caption { font-size: 9pt; color: #555555; margin-bottom: 12px; }");

} // namespace

bool ManualDocument::load(const QString& sourceFolder)
{
    const QDir folder(sourceFolder);
    const QStringList files =
        folder.entryList({QStringLiteral("*.html")}, QDir::Files | QDir::Readable, QDir::Name);
    if (files.isEmpty()) {
        error_ = QStringLiteral("no chapter files (*.html) in %1").arg(folder.absolutePath());
        return false;
    }
    chapters_.clear();
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            error_ = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
        const QString chapter = QString::fromUtf8(file.readAll());
        // Without its title a chapter would run on from the one before,
        // missing from the contents.
        if (!kChapterTitle.match(chapter).hasMatch()) {
            error_ = QStringLiteral("%1 has no <h1> title").arg(file.fileName());
            return false;
        }
        chapters_ << chapter;
    }
    return true;
}

QStringList ManualDocument::shotNames() const
{
    QStringList names;
    for (const QString& chapter : chapters_) {
        for (const auto& match : kShotReference.globalMatch(chapter)) {
            if (!names.contains(match.captured(1)))
                names << match.captured(1);
        }
    }
    return names;
}

QString ManualDocument::html() const
{
    // A chapter may ask for the list of chapters with <!-- contents -->.
    QString contents = QStringLiteral("<ol>");
    for (const QString& chapter : chapters_)
        for (const auto& match : kChapterTitle.globalMatch(chapter))
            if (!match.captured(0).contains(QLatin1String("class=\"title\"")))
                contents += QStringLiteral("<li>") + match.captured(1) + QStringLiteral("</li>");
    contents += QStringLiteral("</ol>");
    QString body = chapters_.join(QLatin1Char('\n'));
    body.replace(QLatin1String("<!-- contents -->"), contents);
    return QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>");
}

bool ManualDocument::writePdf(const QString& pdfPath, const QMap<QString, QImage>& shots)
{
    QTextDocument document;
    // The window sets a pixel-sized application font; taken as the document's
    // default, it shrinks every size the style sheet gives in points (the
    // headings came out smaller than the body text) once printed at 300 dpi.
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setDefaultStyleSheet(kStyle);
    QStringList missing;
    for (const QString& name : shotNames()) {
        if (!shots.contains(name))
            missing << name;
        else
            document.addResource(QTextDocument::ImageResource,
                                 QUrl(QStringLiteral("shot:") + name), shots.value(name));
    }
    if (!missing.isEmpty()) {
        error_ = QStringLiteral("the chapters ask for screenshots that are not taken: %1 (taken: %2)")
                     .arg(missing.join(QStringLiteral(", ")), shots.keys().join(QStringLiteral(", ")));
        return false;
    }
    document.setHtml(html());

    QDir().mkpath(QFileInfo(pdfPath).absolutePath());
    // Written under a temporary name first, so a failed run never leaves a
    // truncated manual that looks up to date.
    const QString partial = pdfPath + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        const QRegularExpressionMatch title = kChapterTitle.match(chapters_.value(0));
        writer.setTitle(title.hasMatch() ? title.captured(1) : QStringLiteral("Numerant"));
        writer.setCreator(QStringLiteral("Numerant"));
        document.print(&writer);
    }
    if (QFileInfo(partial).size() < 1024) {
        error_ = QStringLiteral("the PDF %1 was not written").arg(partial);
        QFile::remove(partial);
        return false;
    }
    QFile::remove(pdfPath);
    if (!QFile::rename(partial, pdfPath)) {
        error_ = QStringLiteral("cannot move the PDF into place at %1").arg(pdfPath);
        return false;
    }
    return true;
}
