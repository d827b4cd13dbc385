#pragma once

#include "systems/SystemSearch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <atomic>

class QThread;

// Runs one search for a reduced system on a worker thread, so the window
// keeps painting and the user can stop it. The search only reads its own
// copy of the options; the result is handed over once the thread has ended.
class SystemBuildJob : public QObject {
    Q_OBJECT
public:
    explicit SystemBuildJob(QObject* parent = nullptr);
    // Stops a running search and waits for it: its thread never outlives the job.
    ~SystemBuildJob() override;

    const SearchOptions& options() const { return options_; }
    // Starts a search; ignored while one runs.
    void start(const SearchOptions& options);
    // The search ends at its next check and keeps the best found so far.
    void stop();
    bool stopped() const { return stop_.load(); }
    // The last finished search's answer.
    const SearchResult& result() const { return result_; }

signals:
    // Once a second while the search runs: the seconds since its start.
    void running(int seconds);
    // The search has ended (finished or stopped); result() holds its answer.
    void finished();

private:
    void collect();

    SearchOptions options_;
    SearchResult result_;
    std::atomic_bool stop_{false};
    QThread* thread_ = nullptr;
    QTimer ticker_;
    QElapsedTimer clock_;
};
