#pragma once

#include <QCoreApplication>
#include <QTimer>

namespace zifrano::testing {

// Runs the application's event loop and returns its exit code. Should nothing end the loop
// within `milliseconds`, it is ended with 1, so that a test fails instead of hanging.
inline int runEventLoopAtMost(int milliseconds) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(milliseconds);
    return QCoreApplication::exec();
}

} // namespace zifrano::testing
