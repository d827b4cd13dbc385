#pragma once

#include <QFrame>
#include <QString>

// One text panel of a status bar. The text never asks for room: a text wider
// than the panel is drawn elided, so a long hint cannot widen the window.
// The whole text stays readable as the panel's tooltip.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    // The width the panel keeps for short texts. A longer text, such as the
    // progress of a long run, widens it up to half of the bar so it stays
    // readable; the window's size never depends on it.
    void setBaseWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int baseWidth_ = 0;
};
