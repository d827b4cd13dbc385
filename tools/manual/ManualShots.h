#pragma once

#include "draws/Draw.h"

#include <QImage>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// Screenshots of the real window for the manual, taken offscreen from an
// example database: every tab, the sub-tabs of "Berechnung", a rated tip
// board, two charts and the two dialogs. Each picture has a short name that
// the manual's source refers to as <img src="shot:NAME">.
class ManualShots {
public:
    // programDir: the folder with the delivered files (land/), as the
    // program would find it.
    // `language`: the code of the interface language the window is shown in.
    ManualShots(QString programDir, QString language);

    // The names of the pictures take() makes.
    static QStringList names();

    // Takes every picture; false with error() set when one could not be made.
    bool take();
    QString error() const { return error_; }
    const QMap<QString, QImage>& shots() const { return shots_; }
    // Texts of message boxes the window showed meanwhile (should be none).
    QStringList messages() const { return messages_; }

private:
    bool writeExampleDatabase(const QString& path);
    bool add(const QString& name, const QImage& image);

    QString programDir_;
    QString language_;
    Draw latest_; // the last draw of the history, shown and rated
    QTemporaryDir home_;
    QMap<QString, QImage> shots_;
    QStringList messages_;
    QString error_;
};
