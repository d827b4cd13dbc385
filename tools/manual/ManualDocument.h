#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

// The manual's source: one HTML fragment per chapter in a folder, taken in
// file-name order; each chapter file starts with its <h1> title. A new
// chapter is a new file. Pictures are written as <img src="shot:NAME">.
class ManualDocument {
public:
    // Reads every *.html of the folder; false with error() set when the
    // folder holds none, or a file cannot be read or has no <h1> title.
    bool load(const QString& sourceFolder);

    // The screenshot names the chapters refer to, in order of first use.
    QStringList shotNames() const;

    // Lays the chapters out with the pictures and writes an A4 PDF; false
    // with error() set when a picture is missing or the file is not written.
    bool writePdf(const QString& pdfPath, const QMap<QString, QImage>& shots);

    QString error() const { return error_; }

private:
    QString html() const;

    QStringList chapters_; // HTML fragments
    QString error_;
};
