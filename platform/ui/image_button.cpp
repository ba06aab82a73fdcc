#include "ui/image_button.h"

#include "shell/program_folder.h"

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
    if (fileName == m_pictureName && !pixmap().isNull())
        return true;
    QPixmap picture(programFile(fileName));
    if (picture.isNull())
        return false;
    setPixmap(picture);
    m_pictureName = fileName;
    return true;
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
