#pragma once

#include <QScrollBar>

// A vertical scrollbar for a voice parameter: its top is the maximum. The
// thumb, the arrows, a click in the groove, the wheel and the keys all move
// the value the way the thumb shows it: up raises, down lowers.
class ParameterScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit ParameterScrollBar(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void turnStepAround(int action);
    bool m_mouseAction = false;
};
