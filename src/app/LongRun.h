#pragma once

#include "app/TForm1.h"

#include <QCoreApplication>

#include <functional>

// A long operation of the window for one scope: the activity guard is held
// from construction and released on every way out; `stopRequested()` turns
// true when the user asks to stop (second click on the running button, or
// closing the window).
class LongRun {
public:
    LongRun(TForm1& window, TForm1::Activity activity) : window_(window)
    {
        window_.beginActivity(activity, [this] { stop_ = true; });
    }
    ~LongRun() { window_.endActivity(); }
    LongRun(const LongRun&) = delete;
    LongRun& operator=(const LongRun&) = delete;

    bool stopRequested() const { return stop_; }

    // Called once per step of the loop. Painting and input are handled at
    // frame rate (the window's frame clock, shared with the steps' own event
    // turns), not per step; the first call always lets them run. `show`
    // updates the progress texts just before.
    void keepResponsive(const std::function<void()>& show)
    {
        const bool due = window_.frameDue();
        if (!due && started_)
            return;
        started_ = true;
        if (show)
            show();
        QCoreApplication::processEvents();
    }

private:
    TForm1& window_;
    bool stop_ = false;
    bool started_ = false;
};
