#include "platform/ReportViewer.h"

#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

ReportViewer::ReportViewer(const QString& path, const QString& text, const ReportViewerTexts& texts,
                           Dialogs& dialogs, Shell& shell, Writer writer, QWidget* parent)
    : QDialog(parent), path_(path), dialogs_(dialogs), shell_(shell), writer_(std::move(writer))
{
    setObjectName(QStringLiteral("ReportViewer"));
    setWindowTitle(QFileInfo(path).fileName());
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);

    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Reports line their columns up with blanks.
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setPlainText(text);

    auto* buttons = new QDialogButtonBox(this);
    const auto addButton = [&](const QString& caption, QDialogButtonBox::ButtonRole role,
                               void (ReportViewer::*action)()) {
        QPushButton* button = buttons->addButton(caption, role);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    addButton(texts.saveAs, QDialogButtonBox::ActionRole, &ReportViewer::saveAs);
    addButton(texts.print, QDialogButtonBox::ActionRole, &ReportViewer::print);
    addButton(texts.openElsewhere, QDialogButtonBox::ActionRole, &ReportViewer::openElsewhere);
    addButton(texts.close, QDialogButtonBox::RejectRole, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(720, 520);
}

QString ReportViewer::text() const
{
    return view_->toPlainText();
}

void ReportViewer::saveAs()
{
    const QFileInfo info(path_);
    const QString suffix = info.suffix();
    const FileDialogSetup setup{info.absolutePath(), info.fileName(),
                                suffix.isEmpty() ? QString()
                                                 : suffix.toUpper() + QStringLiteral("|*.") + suffix,
                                suffix};
    const QString target = dialogs_.saveFileName(this, setup);
    if (target.isEmpty() || QFileInfo(target) == info)
        return;
    // A copy of the file as written, so a formatted report stays formatted.
    QFile source(path_);
    if (!source.open(QIODevice::ReadOnly)) {
        dialogs_.showError(this, path_ + QStringLiteral(": ") + source.errorString());
        return;
    }
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        dialogs_.showError(this, path_ + QStringLiteral(": ") + source.errorString());
        return;
    }
    const QString error = writer_(target, bytes);
    if (!error.isEmpty())
        dialogs_.showError(this, error);
}

void ReportViewer::print()
{
    QPrinter printer;
    printer.setDocName(QFileInfo(path_).fileName());
    if (dialogs_.choosePrinter(this, printer))
        view_->print(&printer);
}

void ReportViewer::openElsewhere()
{
    shell_.openFile(path_);
}
