#include "ui/image_button.h"

#include "shell/program_folder.h"
#include "ui/screen_density.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

ImageButton::ImageButton(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
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

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        // Clicked on the release, as a platform button: a held key clicks once.
        if (!event->isAutoRepeat())
            m_spacePressed = true;
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ImageButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !m_spacePressed)
        return;
    m_spacePressed = false;
    emit clicked();
}

void ImageButton::focusOutEvent(QFocusEvent *event)
{
    // Space held while the focus moves away is no click.
    m_spacePressed = false;
    QLabel::focusOutEvent(event);
}
