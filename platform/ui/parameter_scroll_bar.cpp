#include "ui/parameter_scroll_bar.h"

// QScrollBar ties its arrows and groove to the direction of the values, not
// to how they are drawn: drawn upside down (maximum at the top), its top
// arrow would lower the value. The steps the mouse triggers are turned
// around here. The wheel and the keys follow the drawing once the controls
// are not inverted, which QScrollBar otherwise does by default.
ParameterScrollBar::ParameterScrollBar(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setInvertedAppearance(true);
    setInvertedControls(false);
    // Its "Top" and "Bottom" entries would speak of the values, not the drawing.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QAbstractSlider::actionTriggered, this, &ParameterScrollBar::turnStepAround);
}

void ParameterScrollBar::mousePressEvent(QMouseEvent *event)
{
    m_mouseAction = true;
    QScrollBar::mousePressEvent(event);
    m_mouseAction = false;
}

void ParameterScrollBar::timerEvent(QTimerEvent *event)
{
    // An arrow or the groove held down repeats its step from a timer.
    m_mouseAction = true;
    QScrollBar::timerEvent(event);
    m_mouseAction = false;
}

void ParameterScrollBar::turnStepAround(int action)
{
    if (!m_mouseAction)
        return;
    // actionTriggered comes after the position moved and before the value
    // follows it: the position can still be put the other way.
    switch (action) {
    case SliderSingleStepAdd:
        setSliderPosition(value() - singleStep());
        break;
    case SliderSingleStepSub:
        setSliderPosition(value() + singleStep());
        break;
    case SliderPageStepAdd:
        setSliderPosition(value() - pageStep());
        break;
    case SliderPageStepSub:
        setSliderPosition(value() + pageStep());
        break;
    default:
        break;
    }
}
