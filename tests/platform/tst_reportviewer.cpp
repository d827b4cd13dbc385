#include "HeadlessPlatform.h"

#include "platform/ReportViewer.h"
#include "platform/Shell.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPushButton* button(ReportViewer& viewer, const QString& caption)
{
    for (QPushButton* b : viewer.findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace

class TestReportViewer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void showsTheReportReadOnly();
    void saveAsCopiesTheFileAsWritten_data();
    void saveAsCopiesTheFileAsWritten();
    void printsThroughThePrintDialog();
    void opensElsewhereThroughTheShell();

    void desktopShellReportsLateFailures_data();
    void desktopShellReportsLateFailures();
    void reportingShellNamesTheFile();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    FakeDialogs dialogs_;
    RecordingShell shell_;
    QString report_;
    QStringList written_;
    QString writeError_;

    ReportViewer::Writer writer()
    {
        return [this](const QString& path, const QByteArray& bytes) {
            written_ << path;
            return writeError_.isEmpty() ? writeFile(path, bytes) : writeError_;
        };
    }
};

void TestReportViewer::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    dialogs_ = FakeDialogs();
    shell_ = RecordingShell();
    written_.clear();
    writeError_.clear();
    report_ = dir_->filePath(QStringLiteral("Test.rtf"));
    QVERIFY(writeFile(report_, QByteArrayLiteral("{\\rtf1 Treffer: 3\\par}")).isEmpty());
}

void TestReportViewer::showsTheReportReadOnly()
{
    const ReportViewerTexts texts{QStringLiteral("Save as…"), QStringLiteral("Print…"),
                                  QStringLiteral("Open elsewhere"), QStringLiteral("Close")};
    ReportViewer viewer(report_, QStringLiteral("Treffer: 3\nZiehungen: 12"), texts, dialogs_, shell_, writer());
    QCOMPARE(viewer.path(), report_);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Test.rtf"));
    QCOMPARE(viewer.text(), QStringLiteral("Treffer: 3\nZiehungen: 12"));
    QVERIFY(viewer.findChild<QPlainTextEdit*>()->isReadOnly());
    for (const QString& caption : {texts.saveAs, texts.print, texts.openElsewhere, texts.close})
        QVERIFY2(button(viewer, caption), qPrintable(caption));
}

void TestReportViewer::saveAsCopiesTheFileAsWritten_data()
{
    QTest::addColumn<QString>("answer");      // the file dialog's answer; empty: cancelled
    QTest::addColumn<QString>("writeError");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<int>("errors");
    QTest::newRow("copied") << "Kopie.rtf" << "" << true << 0;
    QTest::newRow("cancelled") << "" << "" << false << 0;
    QTest::newRow("the report itself") << "Test.rtf" << "" << false << 0;
    QTest::newRow("disk full") << "Kopie.rtf" << "No space left on device" << false << 1;
}

void TestReportViewer::saveAsCopiesTheFileAsWritten()
{
    QFETCH(QString, answer);
    QFETCH(QString, writeError);
    QFETCH(bool, copied);
    QFETCH(int, errors);
    writeError_ = writeError;
    dialogs_.fileAnswers << (answer.isEmpty() ? QString() : dir_->filePath(answer));

    ReportViewer viewer(report_, QStringLiteral("Treffer: 3"), {}, dialogs_, shell_, writer());
    button(viewer, ReportViewerTexts().saveAs)->click();

    QCOMPARE(dialogs_.fileDialogs.size(), 1);
    QCOMPARE(dialogs_.fileDialogs.first().directory, dir_->path());
    QCOMPARE(dialogs_.fileDialogs.first().proposedName, QStringLiteral("Test.rtf"));
    // The formatted file, not the plain text shown.
    QCOMPARE(readFile(dir_->filePath(QStringLiteral("Kopie.rtf"))),
             copied ? QByteArrayLiteral("{\\rtf1 Treffer: 3\\par}") : QByteArray());
    QCOMPARE(dialogs_.errors.size(), errors);
    if (errors)
        QVERIFY(dialogs_.errors.first().contains(writeError));
    QCOMPARE(readFile(report_), QByteArrayLiteral("{\\rtf1 Treffer: 3\\par}"));
}

void TestReportViewer::printsThroughThePrintDialog()
{
    ReportViewer viewer(report_, QStringLiteral("Treffer: 3"), {}, dialogs_, shell_, writer());
    viewer.print(); // cancelled: nothing printed
    QCOMPARE(dialogs_.printDialogs, 1);

    const QString pdf = dir_->filePath(QStringLiteral("report.pdf"));
    dialogs_.printAnswers << pdf;
    button(viewer, ReportViewerTexts().print)->click();
    QCOMPARE(dialogs_.printDialogs, 2);
    QVERIFY(readFile(pdf).startsWith("%PDF"));
}

void TestReportViewer::opensElsewhereThroughTheShell()
{
    ReportViewer viewer(report_, QStringLiteral("Treffer: 3"), {}, dialogs_, shell_, writer());
    button(viewer, ReportViewerTexts().openElsewhere)->click();
    QCOMPARE(shell_.openedFiles, QStringList{report_});
}

void TestReportViewer::desktopShellReportsLateFailures_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("reported");
    QTest::newRow("handler succeeds") << "true" << true << false;
    QTest::newRow("no handler or handler fails") << "false" << true << true;
    QTest::newRow("no opener at all") << "/nonexistent/xdg-open" << false << false;
    QTest::newRow("opener not on the path") << "numerant-no-such-opener" << false << false;
}

void TestReportViewer::desktopShellReportsLateFailures()
{
    QFETCH(QString, opener);
    QFETCH(bool, started);
    QFETCH(bool, reported);
    DesktopShell shell(opener);
    QStringList failures;
    shell.setLateFailure([&](const QString& target, const QString&) { failures << target; });
    QCOMPARE(shell.openFile(report_), started);
    if (reported) {
        QTRY_COMPARE(failures, QStringList{QDir::toNativeSeparators(report_)});
    } else {
        QTest::qWait(300); // time for an opener to end
        QVERIFY(failures.isEmpty());
    }
}

void TestReportViewer::reportingShellNamesTheFile()
{
    QWidget window;
    {
        DesktopShell desktop(QStringLiteral("false"));
        ReportingShell shell(desktop, dialogs_, &window);
        QVERIFY(shell.openFile(report_));
        QTRY_COMPARE(dialogs_.errors.size(), 1);
        QVERIFY(dialogs_.errors.first().contains(QDir::toNativeSeparators(report_)));

        DesktopShell missing(QStringLiteral("/nonexistent/xdg-open"));
        ReportingShell missingShell(missing, dialogs_, &window);
        QVERIFY(!missingShell.openFile(report_));
        QCOMPARE(dialogs_.errors.size(), 2);
        QVERIFY(dialogs_.errors.last().contains(QDir::toNativeSeparators(report_)));
    }
}

QTEST_MAIN(TestReportViewer)
#include "tst_reportviewer.moc"
