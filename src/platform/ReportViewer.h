#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <functional>

class Dialogs;
class QPlainTextEdit;
class QPushButton;
class Shell;

// The captions of the viewer's buttons, in the interface language.
struct ReportViewerTexts {
    QString saveAs = QStringLiteral("Speichern unter…");
    QString print = QStringLiteral("Drucken…");
    QString openElsewhere = QStringLiteral("Mit anderem Programm öffnen");
    QString close = QStringLiteral("Schließen");
};

// Shows a report the program has written, read-only, inside the program, so
// no outside viewer is needed. The file stays where it was written; the
// viewer can save a copy of it, print the text, or hand the file on to the
// desktop's program for it.
class ReportViewer final : public QDialog {
    Q_OBJECT
public:
    // Writes bytes as a whole file; returns the system's error text.
    using Writer = std::function<QString(const QString& path, const QByteArray& bytes)>;

    // `text` is what is shown: the file's own text, or for a formatted
    // report (RTF) its plain lines.
    ReportViewer(const QString& path, const QString& text, const ReportViewerTexts& texts,
                 Dialogs& dialogs, Shell& shell, Writer writer, QWidget* parent = nullptr);

    QString path() const { return path_; }
    QString text() const;

    // The buttons' actions, callable directly.
    void saveAs();
    void print();
    void openElsewhere();

private:
    QString path_;
    Dialogs& dialogs_;
    Shell& shell_;
    Writer writer_;
    QPlainTextEdit* view_ = nullptr;
};
