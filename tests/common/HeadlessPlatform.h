#pragma once

#include "paths/AppPaths.h"
#include "app/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QDialog>
#include <QPrinter>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <memory>

// The window's outside world without a person or a desktop, for the tests,
// the benchmarks and the manual's screenshots: stand-ins for the adapters
// that would block on a person or leave the machine. Each modal call takes
// the next preset answer; a call with no answer left records itself and
// answers "cancel"/"no". Nothing opens and nothing plays.
class FakeDialogs final : public Dialogs {
public:
    QQueue<bool> yesNoAnswers;
    QQueue<QString> inputAnswers;      // returned as typed; cancel is modelled by the preset
    QQueue<QString> fileAnswers;       // empty string = cancelled
    QQueue<std::function<int(QDialog&)>> dialogAnswers;

    QStringList messages;              // every showMessage and showError text
    QStringList errors;                // the showError texts alone
    QStringList questions;             // "caption|text" of every askYesNo
    QList<Default> questionDefaults;   // the preset answer of every askYesNo
    QStringList inputPrompts;          // "caption|prompt|preset" of every inputText
    QList<FileDialogSetup> fileDialogs;
    // Runs while a message is "on screen", to look at what goes on behind it.
    std::function<void(const QString&)> whileMessageShown;
    // Each print dialog takes the next file: the printer then writes a PDF
    // there; none left (or an empty name) cancels.
    QQueue<QString> printAnswers;
    int printDialogs = 0;
    std::function<void()> whileAsking;  // runs as each askYesNo shows, to look at the window

    bool askYesNo(QWidget*, const QString& caption, const QString& text,
                  Default preset = Default::Yes) override
    {
        if (whileAsking)
            whileAsking();
        questions << caption + QLatin1Char('|') + text;
        questionDefaults << preset;
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }
    void showMessage(QWidget*, const QString& text) override
    {
        messages << text;
        if (whileMessageShown)
            whileMessageShown(text);
    }
    void showError(QWidget*, const QString& text) override
    {
        messages << text;
        errors << text;
        if (whileMessageShown)
            whileMessageShown(text);
    }
    QString inputText(QWidget*, const QString& caption, const QString& prompt,
                      const QString& preset) override
    {
        inputPrompts << caption + QLatin1Char('|') + prompt + QLatin1Char('|') + preset;
        return inputAnswers.isEmpty() ? preset : inputAnswers.dequeue();
    }
    QString openFileName(QWidget*, const FileDialogSetup& setup) override
    {
        fileDialogs << setup;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QString saveFileName(QWidget*, const FileDialogSetup& setup) override
    {
        fileDialogs << setup;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    int execDialog(QDialog& dialog) override
    {
        if (dialogAnswers.isEmpty())
            return QDialog::Rejected;
        return dialogAnswers.dequeue()(dialog);
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        ++printDialogs;
        const QString pdf = printAnswers.isEmpty() ? QString() : printAnswers.dequeue();
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
};

class RecordingShell final : public Shell {
public:
    QStringList openedFiles;
    QStringList openedUrls;
    bool succeeds = true; // false: the desktop has no program for anything
    bool openFile(const QString& path) override
    {
        openedFiles << path;
        return succeeds;
    }
    bool openUrl(const QString& address) override
    {
        openedUrls << address;
        return succeeds;
    }
};

class RecordingSound final : public Sound {
public:
    QStringList played;
    void play(const QString& path) override { played << path; }
};

// One set of the stand-ins, as a window takes them.
struct HeadlessPlatform {
    FakeDialogs dialogs;
    RecordingShell shell;
    RecordingSound sound;

    // The window's services on these stand-ins; its settings go to
    // settingsFile, never to the user's own store.
    TForm1::Services services(const QString& settingsFile);
    // A window on them, not yet shown (the first show runs the start-up).
    std::unique_ptr<TForm1> makeWindow(const AppPaths& paths, const QString& settingsFile);
};
