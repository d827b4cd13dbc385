#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <csignal>

class QSocketNotifier;
class QWidget;

// Turns SIGTERM, SIGINT and SIGHUP into a normal close of the main window, so
// the settings are saved as when the user closes it. The handler only writes
// one byte into a pipe (all a signal handler may safely do); the window is
// closed later from the event loop, which watches the pipe.
//
// One instance at a time; the destructor puts the previous handlers back.
class SignalCloser : public QObject {
    Q_OBJECT
public:
    explicit SignalCloser(QWidget* window, QObject* parent = nullptr);
    ~SignalCloser() override;

    bool isInstalled() const { return installed_; }

signals:
    // After the window was asked to close.
    void closedOnSignal(int signalNumber);

private:
    void onPipeReadable();

    static constexpr std::array<int, 3> signals_{SIGTERM, SIGINT, SIGHUP};

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_ = nullptr;
    int readFd_ = -1;
    int writeFd_ = -1;
    bool installed_ = false;
    std::array<struct sigaction, 3> previous_{};
};
