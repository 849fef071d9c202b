#include "formwidgets.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyleOption>

namespace tuneks {

void FieldLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void FieldLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Like a button: the click counts when the mouse is released over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

ArrowButton::ArrowButton(Direction direction, QWidget *parent)
    : QPushButton(parent), m_direction(direction)
{
}

void ArrowButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::ButtonText));
    // A triangle 7 pixels wide and 4 high, centred; shifted by one pixel while
    // pressed, as the face of the button moves.
    const int shift = isDown() ? 1 : 0;
    const int cx = width() / 2 + shift;
    const int cy = height() / 2 + shift;
    QPolygon triangle;
    if (m_direction == Direction::Up)
        triangle << QPoint(cx - 4, cy + 2) << QPoint(cx + 4, cy + 2) << QPoint(cx, cy - 2);
    else
        triangle << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 2);
    painter.drawPolygon(triangle);
}

void ValueCheckBox::showValue(int value)
{
    switch (value) {
    case 1: setCheckState(Qt::Checked); break;
    case 2: setCheckState(Qt::PartiallyChecked); break;
    default: setCheckState(Qt::Unchecked); break;
    }
}

void ValueCheckBox::nextCheckState()
{
    // The model decides the next value; the view follows its change signal.
    emit userClicked();
}

LowButtonStyle::LowButtonStyle() : QProxyStyle(QApplication::style()->name()) {}

QRect LowButtonStyle::subElementRect(SubElement element, const QStyleOption *option,
                                     const QWidget *widget) const
{
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_PushButtonContents)
        return rect;
    const int frame = pixelMetric(PM_DefaultFrameWidth, option, widget);
    return QRect(rect.left(), option->rect.top() + frame, rect.width(), option->rect.height() - 2 * frame);
}

void LowButtonStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !button) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(CE_PushButtonBevel, button, painter, widget);
    QStyleOptionButton caption = *button;
    caption.rect = subElementRect(SE_PushButtonContents, button, widget);
    QProxyStyle::drawControl(CE_PushButtonLabel, &caption, painter, widget);
    if (button->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*button);
        focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

} // namespace tuneks
