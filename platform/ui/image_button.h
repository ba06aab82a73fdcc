#pragma once

#include <QLabel>
#include <QString>

// A picture that acts as a button: shows a bitmap from the program folder
// (its copy drawn for the screen's density where there is one), reports
// pointer moves, clicks and presses. A file that does not load keeps
// the picture shown before, so a missing bitmap never breaks the window.
// Reached with Tab (a click leaves the focus where it was), it is clicked
// with Space, as a platform button is, or Enter.
class ImageButton : public QLabel
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);

    // Loads the named file from the program folder; returns false (keeping
    // the previous picture) when it cannot be read.
    bool setPicture(const QString &fileName);
    // Name of the file last shown, for the hover logic and its tests.
    QString pictureName() const;

signals:
    void clicked();
    void pointerMoved();
    void pressed(Qt::MouseButton button);

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_pictureName;
    qreal m_density = 0;  // of the screen the picture was chosen for
    bool m_pressed = false;
    bool m_spacePressed = false;
};
