#include "app/SystemBuildJob.h"

#include <QThread>

SystemBuildJob::SystemBuildJob(QObject* parent) : QObject(parent)
{
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, [this] { emit running(int(clock_.elapsed() / 1000)); });
}

SystemBuildJob::~SystemBuildJob()
{
    if (!thread_)
        return;
    stop();
    thread_->wait();
    delete thread_;
}

void SystemBuildJob::start(const SearchOptions& options)
{
    if (thread_)
        return;
    stop_ = false;
    options_ = options;
    options_.stop = &stop_;
    result_ = SearchResult{};
    thread_ = QThread::create([this] { result_ = SystemSearch::search(options_); });
    // Queued to this object's thread: the result is read where it is shown.
    connect(thread_, &QThread::finished, this, &SystemBuildJob::collect, Qt::QueuedConnection);
    clock_.start();
    ticker_.start();
    thread_->start(QThread::LowPriority);
}

void SystemBuildJob::stop()
{
    stop_ = true;
}

void SystemBuildJob::collect()
{
    if (!thread_)
        return;
    ticker_.stop();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    emit finished();
}
