#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QDialog;
class QPrinter;
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

    enum class Default { Yes, No }; // the answer Enter gives
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
                          Default preset = Default::Yes) = 0;
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A failure the user should act on: shown with the warning icon.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // Cancelling returns the preset text, as the program's input boxes always have.
    virtual QString inputText(QWidget* parent, const QString& caption, const QString& prompt,
                              const QString& preset) = 0;
    // An empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    // Runs one of the program's own modal dialogs and returns its result code.
    virtual int execDialog(QDialog& dialog) = 0;
    // Lets the user choose and set up the printer; false means cancelled,
    // which is also the answer of a stand-in that cannot print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);
};

// Asks for a whole number in an input box with the preset filled in (which
// cancelling returns). Anything else than a whole number, blanks around it
// aside, shows the complaint made from the answer as an error and gives
// nothing, so the caller simply stops.
std::optional<int> askWholeNumber(Dialogs& dialogs, QWidget* parent, const QString& caption,
                                  const QString& prompt, const QString& preset,
                                  const std::function<QString(const QString& answer)>& complaint);

class QtDialogs final : public Dialogs {
public:
    // `title` heads every message box; Qt's own dialogs keep their titles.
    explicit QtDialogs(QString title = QString()) : title_(std::move(title)) {}

    bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
                  Default preset = Default::Yes) override;
    void showMessage(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    QString inputText(QWidget* parent, const QString& caption, const QString& prompt,
                      const QString& preset) override;
    QString openFileName(QWidget* parent, const FileDialogSetup& setup) override;
    QString saveFileName(QWidget* parent, const FileDialogSetup& setup) override;
    int execDialog(QDialog& dialog) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;

private:
    QString title_;
};
