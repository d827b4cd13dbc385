#include "app/SystemBuildJob.h"

#include <QThread>

SystemBuildJob::SystemBuildJob(QObject* parent) : QObject(parent) {}

SystemBuildJob::~SystemBuildJob()
{
    if (!thread_)
        return;
    stop();
    thread_->wait();
    delete thread_;
}

bool SystemBuildJob::start(const SearchOptions& options)
{
    if (thread_)
        return false;
    stop_ = false;
    options_ = options;
    options_.stop = &stop_;
    result_ = SearchResult{};
    thread_ = QThread::create([this] { result_ = SystemSearch::search(options_); });
    // Queued to this object's thread: the result is read where it is shown.
    connect(thread_, &QThread::finished, this, &SystemBuildJob::collect, Qt::QueuedConnection);
    thread_->start(QThread::LowPriority);
    return true;
}

void SystemBuildJob::stop()
{
    stop_ = true;
}

void SystemBuildJob::collect()
{
    if (!thread_)
        return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    emit finished();
}
