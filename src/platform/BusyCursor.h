#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the busy cursor for one scope and restores it on every way out, so an
// operation that stops early cannot leave the cursor busy.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
