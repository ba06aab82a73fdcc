#pragma once

#include <QObject>

class QWidget;

// Marks the keyboard focus on controls whose own painting shows none
// (pictures, scroll bars, a read-only text face): while one of them has the
// focus, a ring in the palette's highlight colour, lined in white so that
// it shows on any background, is drawn just inside its edge, over whatever
// the control painted. The controls keep their look and size otherwise.
class FocusMark : public QObject
{
    Q_OBJECT
public:
    explicit FocusMark(QObject *parent = nullptr);

    // Marks the focus on this control from now on.
    void add(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QObject *m_painting = nullptr;  // the control whose own painting runs now
};
