#include "platform/StatusPanel.h"

#include <QPainter>

#include <algorithm>

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
}

void StatusPanel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    setToolTip(text);
    if (baseWidth_ > 0)
        updateGeometry();
    update();
}

void StatusPanel::setBaseWidth(int width)
{
    baseWidth_ = width;
    setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
    updateGeometry();
}

QSize StatusPanel::sizeHint() const
{
    const QSize minimum = minimumSizeHint();
    if (baseWidth_ <= 0)
        return minimum;
    const int wanted = fontMetrics().horizontalAdvance(text_) + 2 * frameWidth() + 8;
    const int limit = parentWidget() ? std::max(baseWidth_, parentWidget()->width() / 2) : baseWidth_;
    return {std::clamp(wanted, baseWidth_, limit), minimum.height()};
}

QSize StatusPanel::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return {frame + 8, fontMetrics().height() + frame + 2};
}

void StatusPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect area = contentsRect().adjusted(3, 0, -3, 0);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(text_, Qt::ElideRight, area.width()));
}
