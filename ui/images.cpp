// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "images.h"

namespace zifrano::ui {

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/images/zifrano.ico"));
}

QPixmap logoPixmap() {
    return QPixmap(QStringLiteral(":/images/logo.gif"));
}

QPixmap pointerPixmap() {
    return QPixmap(QStringLiteral(":/images/pointer.xpm"));
}

QCursor pointerCursor() {
    // Image readers drop a pointer file's hot spot, so it is given here.
    return QCursor(pointerPixmap(), 12, 6);
}

} // namespace zifrano::ui
