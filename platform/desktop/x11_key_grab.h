#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>
#include <QString>

// A key combination grabbed on the X server's root window, so that it
// reaches this program whichever program has the focus. Works on Qt's
// X11 platform (xcb) only. Caps Lock and Num Lock do not matter: the key is
// grabbed with each of their states. Lives on the window thread; the grab
// ends with the object.
class X11KeyGrab : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit X11KeyGrab(QObject *parent = nullptr);
    ~X11KeyGrab() override;

    // Whether this program talks to an X server through Qt.
    static bool available();

    // Grabs the combination (one key with its modifiers); false with
    // errorString() set when there is no X server, the key has no key code
    // on this keyboard or another program holds it.
    bool grab(const QKeySequence &keys);
    QString errorString() const { return m_error; }

    // The X key symbol of a Qt key (0 for keys this grab does not know).
    static quint32 keySymbol(int qtKey);
    // X modifier mask of Qt's modifiers.
    static quint16 modifierMask(Qt::KeyboardModifiers modifiers);

signals:
    void activated();

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void ungrab();

    QList<quint8> m_keyCodes;
    quint16 m_modifiers = 0;
    quint32 m_root = 0;
    QString m_error;
};
