#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process may grow past `bytes`: the kernel
// cuts a write short and then refuses the rest, as on a full disk (with EFBIG
// where a disk says ENOSPC). Nothing is written to a real disk to get there.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit old_ {};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};
