// Ends the application from a window's first paint event, so a start-up can be timed to the
// moment something is on screen. (A zero-delay timer after show() may fire before any paint.)
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class QuitOnFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // Leaves the event loop once this paint pass, children included, has finished.
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};
