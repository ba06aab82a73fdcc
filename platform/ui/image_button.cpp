#include "ui/image_button.h"

#include "shell/program_folder.h"
#include "ui/screen_density.h"

#include <QMouseEvent>
#include <QPixmap>

ImageButton::ImageButton(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

bool ImageButton::setPicture(const QString &fileName)
{
    const qreal density = devicePixelRatioF();
    if (fileName == m_pictureName && density == m_density && !pixmap().isNull())
        return true;
    const QPixmap picture = densityPixmap(programFile(fileName), density);
    if (picture.isNull())
        return false;
    setPixmap(picture);
    m_pictureName = fileName;
    m_density = density;
    return true;
}

bool ImageButton::event(QEvent *event)
{
    // Moved to a screen of another density: the picture drawn for it.
    if (event->type() == QEvent::ScreenChangeInternal && !m_pictureName.isEmpty())
        setPicture(m_pictureName);
    return QLabel::event(event);
}

QString ImageButton::pictureName() const
{
    return m_pictureName;
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    // Accepted, so the move does not reach the panel behind, whose own
    // pointer-move handling would undo the hover picture.
    event->accept();
    emit pointerMoved();
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    emit pressed(event->button());
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
