#pragma once

#include <QSlider>

#include <functional>

// The position slider: a horizontal slider whose press and release
// notifications come only from the user's own actions, never when the
// program sets its value (word highlighting sets it on every word).
class PositionSlider : public QSlider
{
    Q_OBJECT
public:
    explicit PositionSlider(QWidget *parent = nullptr);

    // The user has hold of the thumb (mouse or keys): the program must not
    // move it then, or the drop would land where the program put it.
    bool isHeld() const { return isSliderDown() || m_keyHeld; }

    // The keys move the thumb through the text the slider stands for:
    // Right and Down a small step forward, Left and Up back, Page Down a
    // large step forward and Page Up back (a horizontal slider would page
    // the other way, backwards on Page Down); Home and End go to the ends.
    // The stepper says where a step from a value lands; without one a step
    // is the single or page step.
    enum class Step { SmallForward, SmallBack, LargeForward, LargeBack };
    using Stepper = std::function<int(int from, Step step)>;
    void setStepper(Stepper stepper) { m_stepper = std::move(stepper); }

signals:
    void userMoved();                   // the user drags the thumb or steps it
    void userPressed();
    void userReleased();
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool stepByKey(QKeyEvent *event);

    bool m_keyHeld = false;
    Stepper m_stepper;
};
