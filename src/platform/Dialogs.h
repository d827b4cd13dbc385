#pragma once

#include <QString>

class QDialog;
class QWidget;

struct FileDialogSetup {
    QString directory;     // folder the dialog opens in
    QString proposedName;  // file name proposed to the user
    QString filter;        // "Tippdatei|*.vlt" style: description|pattern
    QString defaultSuffix; // appended when the user types none, without the dot
};

// Every modal question of the program goes through here, so tests can answer
// in advance instead of a person clicking.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Cancelling returns the preset text, as the program's input boxes always have.
    virtual QString inputText(QWidget* parent, const QString& caption, const QString& prompt,
                              const QString& preset) = 0;
    // An empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    // Runs one of the program's own modal dialogs and returns its result code.
    virtual int execDialog(QDialog& dialog) = 0;
};

class QtDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void showMessage(QWidget* parent, const QString& text) override;
    QString inputText(QWidget* parent, const QString& caption, const QString& prompt,
                      const QString& preset) override;
    QString openFileName(QWidget* parent, const FileDialogSetup& setup) override;
    QString saveFileName(QWidget* parent, const FileDialogSetup& setup) override;
    int execDialog(QDialog& dialog) override;
};
