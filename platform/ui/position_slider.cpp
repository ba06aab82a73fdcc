#include "ui/position_slider.h"

#include <QKeyEvent>

#include <algorithm>

PositionSlider::PositionSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setMouseTracking(true);
    setTracking(true);
    // QSlider raises sliderPressed/Released/Moved only for the user's mouse.
    connect(this, &QSlider::sliderPressed, this, &PositionSlider::userPressed);
    connect(this, &QSlider::sliderReleased, this, &PositionSlider::userReleased);
    connect(this, &QSlider::sliderMoved, this, &PositionSlider::userMoved);
    // A click in the groove pages the value: a press and release of its own.
    connect(this, &QSlider::actionTriggered, this, [this](int action) {
        if (isSliderDown() || action == SliderMove || action == SliderNoAction)
            return;
        // Keyboard steps are wrapped by the key handlers below.
        if (m_keyHeld)
            return;
        emit userPressed();
        QMetaObject::invokeMethod(this, [this] {
            emit userMoved();
            emit userReleased();
        }, Qt::QueuedConnection);
    });
}

void PositionSlider::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved();
    QSlider::mouseMoveEvent(event);
}

void PositionSlider::keyPressEvent(QKeyEvent *event)
{
    const int before = value();
    if (!m_keyHeld && !event->isAutoRepeat()) {
        m_keyHeld = true;
        emit userPressed();
    }
    if (!stepByKey(event))
        QSlider::keyPressEvent(event);
    if (value() != before)
        emit userMoved();
}

void PositionSlider::keyReleaseEvent(QKeyEvent *event)
{
    QSlider::keyReleaseEvent(event);
    if (m_keyHeld && !event->isAutoRepeat()) {
        m_keyHeld = false;
        emit userReleased();
    }
}

bool PositionSlider::stepByKey(QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    Step step;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = Step::SmallForward;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = Step::SmallBack;
        break;
    case Qt::Key_PageDown:
        step = Step::LargeForward;
        break;
    case Qt::Key_PageUp:
        step = Step::LargeBack;
        break;
    default:
        return false;
    }
    event->accept();
    int target;
    if (m_stepper) {
        target = m_stepper(value(), step);
    } else {
        const int size = step == Step::SmallForward || step == Step::SmallBack ? singleStep() : pageStep();
        target = step == Step::SmallForward || step == Step::LargeForward ? value() + size : value() - size;
    }
    setValue(std::clamp(target, minimum(), maximum()));
    return true;
}
