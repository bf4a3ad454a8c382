#pragma once

#include <QString>
#include <QWidget>

namespace zifrano::testing {

// The window's control of that name and kind; a test cannot go on without it.
template <typename T = QWidget> T* findControl(const QWidget& window, const QString& name) {
    auto* control = window.findChild<T*>(name);
    if (!control) {
        qFatal("no control %s", qPrintable(name));
    }
    return control;
}

} // namespace zifrano::testing
