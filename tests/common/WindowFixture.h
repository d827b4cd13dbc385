#pragma once

#include "paths/AppPaths.h"
#include "app/TForm1.h"

#include "DrawFixture.h"
#include "HeadlessPlatform.h"
#include "platform/ReportViewer.h"

#include <QDir>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What the window tests share: a fresh temporary folder per case, the fakes
// for dialogs, shell and sound, and a main window built on them with its
// settings in that folder. Derive the test object from it next to QObject,
// call setUp() from init() and tearDown() from cleanup().
class WindowFixture {
protected:
    enum class Folders {
        Shared,   // home and program folder are the temporary folder itself
        Separate, // "home/" and "program/" below it, so a file looked for in the wrong one shows
    };

    WindowFixture()
    {
        // Nothing a test runs may touch the user's own folders.
        QStandardPaths::setTestModeEnabled(true);
    }

    // A new empty folder and fakes without answers or records; false when the
    // folder could not be made.
    [[nodiscard]] bool setUp(Folders folders = Folders::Shared)
    {
        window_.reset();
        dir_ = std::make_unique<QTemporaryDir>();
        if (!dir_->isValid())
            return false;
        home_ = dir_->path() + QLatin1Char('/');
        programDir_ = home_;
        if (folders == Folders::Separate) {
            const QDir root(dir_->path());
            if (!root.mkpath(QStringLiteral("home")) || !root.mkpath(QStringLiteral("program")))
                return false;
            home_ = dir_->filePath(QStringLiteral("home")) + QLatin1Char('/');
            programDir_ = dir_->filePath(QStringLiteral("program")) + QLatin1Char('/');
        }
        settingsPath_ = dir_->filePath(QStringLiteral("settings.ini"));
        platform_ = HeadlessPlatform();
        return true;
    }

    void tearDown()
    {
        window_.reset();
        dir_.reset();
    }

    // A window on the fixture's folders, fakes and settings file; home may
    // point elsewhere. Not shown: the first show runs the start-up sequence.
    std::unique_ptr<TForm1> makeWindow(const QString& home = QString())
    {
        AppPaths paths;
        paths.home = home.isEmpty() ? home_ : home;
        paths.programDir = programDir_;
        return platform_.makeWindow(paths, settingsPath_);
    }

    // Shows window_ and lets the start-up sequence that the first show queues
    // run to its end.
    void showWindow()
    {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QTest::qWait(50);
    }

    QString databasePath() const { return home_ + QStringLiteral("ZahlenOB.dat"); }

    // The draws, in the given order, as the database in the home folder.
    [[nodiscard]] bool writeDraws(const std::vector<Draw>& draws) const
    {
        return writeDatabase(home_, draws) == databasePath();
    }

    // A control by name below the page control: the dialogs reuse some names.
    template <typename T>
    T* control(const TForm1& window, const QString& name) const
    {
        T* found = window.PageControl1 ? window.PageControl1->findChild<T*>(name) : nullptr;
        if (!found)
            qWarning("control %s is missing", qPrintable(name));
        return found;
    }
    template <typename T>
    T* control(const QString& name) const
    {
        return control<T>(*window_, name);
    }

    // The files the window's report viewers show, oldest first; a viewer
    // the user closed is gone.
    QStringList shownReports() const
    {
        QStringList paths;
        for (ReportViewer* viewer : window_->findChildren<ReportViewer*>(Qt::FindDirectChildrenOnly))
            paths << viewer->path();
        return paths;
    }
    ReportViewer* lastReport() const
    {
        const QList<ReportViewer*> viewers = window_->findChildren<ReportViewer*>(Qt::FindDirectChildrenOnly);
        return viewers.isEmpty() ? nullptr : viewers.constLast();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString home_;       // trailing '/'
    QString programDir_; // trailing '/'
    QString settingsPath_;
    HeadlessPlatform platform_;
    FakeDialogs& dialogs_ = platform_.dialogs;
    RecordingShell& shell_ = platform_.shell;
    RecordingSound& sound_ = platform_.sound;
    std::unique_ptr<TForm1> window_;
};
