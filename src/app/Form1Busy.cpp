#include "app/TForm1.h"
#include "text/TextLine.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace {

// Long enough to read; then the progress underneath shows again.
constexpr int kRefusalNoticeMs = 5000;

} // namespace

void TForm1::beginActivity(Activity activity, std::function<void()> stop)
{
    activity_ = activity;
    stopActivity_ = std::move(stop);
    setBusyLockedEnabled(false);
}

void TForm1::endActivity()
{
    activity_ = Activity::Idle;
    stopActivity_ = nullptr;
    setBusyLockedEnabled(true);
    if (closeAfterActivity_) {
        closeAfterActivity_ = false;
        // Not from inside the handler that is still unwinding.
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

bool TForm1::frameDue()
{
    constexpr qint64 kFrameMs = 40;
    if (frameClock_.isValid() && frameClock_.elapsed() < kFrameMs)
        return false;
    frameClock_.start();
    return true;
}

void TForm1::requestStop()
{
    // A stop that ends the operation at once clears stopActivity_ while it
    // still runs; call a copy.
    if (isBusy() && stopActivity_) {
        const std::function<void()> stop = stopActivity_;
        stop();
    }
}

bool TForm1::refuseWhileBusy()
{
    if (!isBusy())
        return false;
    // Panel 1 would show the running operation's progress over it at once.
    showNotice(text(TextLine::BusyRefusal), kRefusalNoticeMs);
    return true;
}

void TForm1::addBusyLockedControl(QObject* control)
{
    if (control)
        busyLocked_.append(control);
}

void TForm1::setBusyLockedEnabled(bool enabled)
{
    for (const QPointer<QObject>& control : std::as_const(busyLocked_)) {
        if (auto* widget = qobject_cast<QWidget*>(control.data()))
            widget->setEnabled(enabled);
        else if (auto* action = qobject_cast<QAction*>(control.data()))
            action->setEnabled(enabled);
    }
}
