#pragma once

#include "app/TForm1.h"

#include <QCoreApplication>
#include <QElapsedTimer>

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
    // about frame rate, not per step, so a run over thousands of draws is
    // not slowed down by drawing; the first call always lets them run.
    // `show` updates the progress texts just before.
    void keepResponsive(const std::function<void()>& show)
    {
        if (frame_.isValid() && frame_.elapsed() < kFrameMs)
            return;
        frame_.start();
        if (show)
            show();
        QCoreApplication::processEvents();
    }

private:
    static constexpr qint64 kFrameMs = 40;
    TForm1& window_;
    bool stop_ = false;
    QElapsedTimer frame_;
};
