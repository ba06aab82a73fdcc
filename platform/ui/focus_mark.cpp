#include "ui/focus_mark.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

FocusMark::FocusMark(QObject *parent)
    : QObject(parent)
{
}

void FocusMark::add(QWidget *control)
{
    control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        static_cast<QWidget *>(watched)->update();
        return false;
    case QEvent::Paint:
        break;
    default:
        return false;
    }
    auto *control = static_cast<QWidget *>(watched);
    if (m_painting == watched || !control->hasFocus())
        return false;
    // The control paints itself first (this filter sees that paint event
    // again and lets it through), then the ring goes on top.
    m_painting = watched;
    QCoreApplication::sendEvent(control, event);
    m_painting = nullptr;

    QPainter painter(control);
    const QRect edge = control->rect();
    constexpr int width = 2;
    painter.setPen(QPen(control->palette().color(QPalette::Active, QPalette::Highlight), width));
    painter.drawRect(QRectF(edge).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(edge).adjusted(width + 0.5, width + 0.5, -width - 0.5, -width - 0.5));
    return true;
}
