#pragma once

#include <QSlider>

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
    bool m_keyHeld = false;
};
