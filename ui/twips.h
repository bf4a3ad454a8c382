// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

namespace zifrano::ui {

// Layout is kept in twips, 15 to the logical pixel at 96 dots per inch, so that each figure
// stays the one the window was drawn with.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr int fromTwips(int twips) {
    return qRound(twips / kTwipsPerPixel);
}

constexpr QSize fromTwips(int width, int height) {
    return {fromTwips(width), fromTwips(height)};
}

constexpr QRect fromTwips(int left, int top, int width, int height) {
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

} // namespace zifrano::ui
