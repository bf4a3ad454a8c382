// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace zifrano::ui {

/// The window icon: 32 x 32, 16 colours with a transparency mask.
QIcon applicationIcon();
/// The logo shown in the window, 120 x 29.
QPixmap logoPixmap();
/// The pointer image, 32 x 32 in two colours with a mask.
QPixmap pointerPixmap();
/// The pointer image as a mouse pointer, its active point at (12, 6).
QCursor pointerCursor();

} // namespace zifrano::ui
