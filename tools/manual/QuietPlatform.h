#pragma once

#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QDialog>
#include <QStringList>

// The window's outside world while screenshots are taken: nothing opens,
// nothing plays, every question is answered "no". Messages are kept so the
// generator can report them: an unexpected box usually means a wrong picture.
class QuietDialogs final : public Dialogs {
public:
    QStringList messages;

    bool askYesNo(QWidget*, const QString&, const QString& text,
                  Default = Default::Yes) override
    {
        messages << text;
        return false;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showError(QWidget*, const QString& text) override { messages << text; }
    QString inputText(QWidget*, const QString&, const QString&, const QString& preset) override
    {
        return preset;
    }
    QString openFileName(QWidget*, const FileDialogSetup&) override { return {}; }
    QString saveFileName(QWidget*, const FileDialogSetup&) override { return {}; }
    int execDialog(QDialog&) override { return QDialog::Rejected; }
};

class QuietShell final : public Shell {
public:
    bool openFile(const QString&) override { return true; }
    bool openUrl(const QString&) override { return true; }
};

class QuietSound final : public Sound {
public:
    void play(const QString&) override {}
};
