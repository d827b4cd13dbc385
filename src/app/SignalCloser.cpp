#include "app/SignalCloser.h"

#include <QSocketNotifier>
#include <QWidget>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Read by the handler, so it must be lock-free.
std::atomic<int> pipeWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const int fd = pipeWriteEnd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const char byte = char(signalNumber);
        // Non-blocking: with the pipe full a close is already pending anyway.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

SignalCloser::SignalCloser(QWidget* window, QObject* parent)
    : QObject(parent), window_(window)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readFd_ = fds[0];
    writeFd_ = fds[1];
    pipeWriteEnd.store(writeFd_);

    notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCloser::onPipeReadable);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (std::size_t i = 0; i < signals_.size(); ++i)
        installed_ = ::sigaction(signals_[i], &action, &previous_[i]) == 0 && installed_;
}

SignalCloser::~SignalCloser()
{
    if (readFd_ < 0)
        return;
    for (std::size_t i = 0; i < signals_.size(); ++i)
        ::sigaction(signals_[i], &previous_[i], nullptr);
    pipeWriteEnd.store(-1);
    delete notifier_;
    ::close(readFd_);
    ::close(writeFd_);
}

void SignalCloser::onPipeReadable()
{
    char bytes[16];
    ssize_t count = 0;
    int signalNumber = 0;
    while ((count = ::read(readFd_, bytes, sizeof bytes)) > 0)
        signalNumber = bytes[count - 1];
    if (signalNumber == 0)
        return;
    if (window_)
        window_->close();
    emit closedOnSignal(signalNumber);
}
