#pragma once

#include <QRect>
#include <QtMath>

namespace zifrano::ui {

// Layout is kept in twips, 15 to the logical pixel, so that every figure can be read against
// the window's description.
inline constexpr double kTwipsPerPixel = 15.0;

inline QRect fromTwips(int left, int top, int width, int height) {
    return {qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel),
            qRound(width / kTwipsPerPixel), qRound(height / kTwipsPerPixel)};
}

} // namespace zifrano::ui
