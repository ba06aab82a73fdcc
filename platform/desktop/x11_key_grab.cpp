#include "desktop/x11_key_grab.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The lock keys' states the grab is made in, so they do not matter.
constexpr quint16 capsLock = XCB_MOD_MASK_LOCK;
constexpr quint16 numLock = XCB_MOD_MASK_2;
constexpr quint16 lockStates[] = {0, capsLock, numLock, capsLock | numLock};

}  // namespace

X11KeyGrab::X11KeyGrab(QObject *parent)
    : QObject(parent)
{
}

X11KeyGrab::~X11KeyGrab()
{
    ungrab();
}

bool X11KeyGrab::available()
{
    return connection() != nullptr;
}

quint32 X11KeyGrab::keySymbol(int qtKey)
{
    // Latin letters are the lower-case key symbols; digits and the
    // punctuation of the ASCII range are their own codes.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return quint32(qtKey - Qt::Key_A + 'a');
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde)
        return quint32(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35)
        return quint32(0xffbe + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Escape: return 0xff1b;
    case Qt::Key_Tab: return 0xff09;
    case Qt::Key_Backspace: return 0xff08;
    case Qt::Key_Return: return 0xff0d;
    case Qt::Key_Insert: return 0xff63;
    case Qt::Key_Delete: return 0xffff;
    case Qt::Key_Pause: return 0xff13;
    case Qt::Key_Print: return 0xff61;
    case Qt::Key_Home: return 0xff50;
    case Qt::Key_End: return 0xff57;
    case Qt::Key_Left: return 0xff51;
    case Qt::Key_Up: return 0xff52;
    case Qt::Key_Right: return 0xff53;
    case Qt::Key_Down: return 0xff54;
    case Qt::Key_PageUp: return 0xff55;
    case Qt::Key_PageDown: return 0xff56;
    default: return 0;
    }
}

quint16 X11KeyGrab::modifierMask(Qt::KeyboardModifiers modifiers)
{
    quint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

bool X11KeyGrab::grab(const QKeySequence &keys)
{
    ungrab();
    m_error.clear();
    xcb_connection_t *c = connection();
    if (!c) {
        m_error = tr("no X server");
        return false;
    }
    if (keys.count() != 1) {
        m_error = tr("\"%1\" is not one key with its modifiers").arg(keys.toString());
        return false;
    }
    const QKeyCombination combination = keys[0];
    const quint32 symbol = keySymbol(combination.key());
    if (symbol == 0) {
        m_error = tr("the key \"%1\" cannot be grabbed").arg(keys.toString());
        return false;
    }
    const xcb_setup_t *setup = xcb_get_setup(c);
    m_root = xcb_setup_roots_iterator(setup).data->root;

    // Every key code that gives the symbol, on any level of the keyboard map.
    const quint8 first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *mapping =
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, first, quint8(count)), nullptr);
    if (mapping) {
        const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(mapping);
        const int perCode = mapping->keysyms_per_keycode;
        for (int code = 0; code < count; ++code) {
            for (int level = 0; level < perCode; ++level) {
                if (symbols[code * perCode + level] == symbol) {
                    m_keyCodes << quint8(first + code);
                    break;
                }
            }
        }
        std::free(mapping);
    }
    if (m_keyCodes.isEmpty()) {
        m_error = tr("the key \"%1\" is not on this keyboard").arg(keys.toString());
        return false;
    }

    m_modifiers = modifierMask(combination.keyboardModifiers());
    // Reported to the root window even while one of ours has the focus, so
    // the key means the same everywhere.
    QList<xcb_void_cookie_t> cookies;
    for (quint8 code : std::as_const(m_keyCodes)) {
        for (quint16 lock : lockStates)
            cookies << xcb_grab_key_checked(c, 0, m_root, m_modifiers | lock, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool taken = false;
    for (const xcb_void_cookie_t &cookie : std::as_const(cookies)) {
        if (xcb_generic_error_t *error = xcb_request_check(c, cookie)) {
            taken = true;
            std::free(error);
        }
    }
    if (taken) {
        ungrab();
        m_error = tr("another program holds the key \"%1\"").arg(keys.toString(QKeySequence::NativeText));
        return false;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

void X11KeyGrab::ungrab()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_connection_t *c = connection();
    if (c) {
        for (quint8 code : std::as_const(m_keyCodes)) {
            for (quint16 lock : lockStates)
                xcb_ungrab_key(c, code, m_root, m_modifiers | lock);
        }
        xcb_flush(c);
    }
    m_keyCodes.clear();
}

bool X11KeyGrab::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (press->event != m_root || !m_keyCodes.contains(press->detail))
        return false;
    if ((press->state & ~(capsLock | numLock) & 0xff) != m_modifiers)
        return false;
    emit activated();
    return true;
}
