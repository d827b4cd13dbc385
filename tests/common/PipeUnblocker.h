#pragma once

#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

// Guards a test against a reader that blocks for good on a named pipe: each
// time the test has not finished within the patience, the pipe is opened for
// writing and closed again, which hands a waiting reader an end of file. The
// test then fails on finish() instead of hanging.
class PipeUnblocker {
public:
    PipeUnblocker(const QString& pipe, std::chrono::seconds patience)
        : worker_([this, name = QFile::encodeName(pipe), patience] {
              std::unique_lock<std::mutex> lock(mutex_);
              while (!done_.wait_for(lock, patience, [this] { return finished_; })) {
                  fired_ = true;
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0)
                      ::close(fd);
              }
          })
    {
    }
    ~PipeUnblocker() { finish(); }
    PipeUnblocker(const PipeUnblocker&) = delete;
    PipeUnblocker& operator=(const PipeUnblocker&) = delete;

    // Ends the watch; true when it had to unblock a reader.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        if (worker_.joinable())
            worker_.join();
        return fired_;
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    bool fired_ = false;
    std::thread worker_;
};
