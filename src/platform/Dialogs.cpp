#include "platform/Dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// "Tippdatei|*.vlt" -> "Tippdatei (*.vlt)"
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return out.join(QStringLiteral(";;"));
}

QString runFileDialog(QWidget* parent, const FileDialogSetup& setup, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDirectory(setup.directory.isEmpty() ? QDir::currentPath() : setup.directory);
    dialog.setNameFilter(qtFilter(setup.filter));
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!setup.proposedName.isEmpty())
        dialog.selectFile(setup.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

bool QtDialogs::askYesNo(QWidget* parent, const QString& caption, const QString& text,
                         Default preset)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 preset == Default::No ? QMessageBox::No : QMessageBox::Yes)
           == QMessageBox::Yes;
}

void QtDialogs::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, title_, text);
}

void QtDialogs::showError(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, title_, text);
}

QString QtDialogs::inputText(QWidget* parent, const QString& caption, const QString& prompt,
                             const QString& preset)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? answer : preset;
}

QString QtDialogs::openFileName(QWidget* parent, const FileDialogSetup& setup)
{
    return runFileDialog(parent, setup, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(QWidget* parent, const FileDialogSetup& setup)
{
    return runFileDialog(parent, setup, QFileDialog::AcceptSave);
}

int QtDialogs::execDialog(QDialog& dialog)
{
    return dialog.exec();
}

std::optional<int> askWholeNumber(Dialogs& dialogs, QWidget* parent, const QString& caption,
                                  const QString& prompt, const QString& preset,
                                  const std::function<QString(const QString& answer)>& complaint)
{
    const QString answer = dialogs.inputText(parent, caption, prompt, preset);
    bool ok = false;
    const int value = answer.trimmed().toInt(&ok);
    if (!ok) {
        dialogs.showError(parent, complaint(answer));
        return std::nullopt;
    }
    return value;
}

bool Dialogs::choosePrinter(QWidget*, QPrinter&)
{
    return false;
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
