#include "platform/StatusPanel.h"

#include <QPainter>

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
    update();
}

QSize StatusPanel::sizeHint() const
{
    return minimumSizeHint();
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
