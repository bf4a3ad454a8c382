#include "shrinking_label.h"

#include <QEvent>
#include <QFontMetricsF>

namespace zifrano::ui {
namespace {

constexpr double kStep = 0.25;

} // namespace

ShrinkingLabel::ShrinkingLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ShrinkingLabel::showText(const QString& text) {
    setText(text);
    fitFont();
    updateAccessibleName();
}

void ShrinkingLabel::setAccessibleNamePrefix(const QString& prefix) {
    m_accessibleNamePrefix = prefix;
    updateAccessibleName();
}

void ShrinkingLabel::updateAccessibleName() {
    if (!m_accessibleNamePrefix.isEmpty()) {
        setAccessibleName(m_accessibleNamePrefix + QStringLiteral(": ") + text());
    }
}

void ShrinkingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A font handed down from the window becomes the size to start from.
    if (event->type() == QEvent::FontChange && !m_fitting) {
        fitFont();
    }
}

void ShrinkingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fitFont();
}

void ShrinkingLabel::fitFont() {
    m_fitting = true;
    setFont(QFont()); // back to the font the label inherits
    QFont font = this->font();
    const double room = contentsRect().width() - 2 * margin();
    double size = font.pointSizeF();
    while (size > kSmallestPointSize && QFontMetricsF(font).horizontalAdvance(text()) > room) {
        size = std::max(kSmallestPointSize, size - kStep);
        font.setPointSizeF(size);
    }
    setFont(font);
    m_fitting = false;
}

} // namespace zifrano::ui
