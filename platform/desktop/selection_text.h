#pragma once

#include <QString>

// The text the user has selected in any program of the desktop, or has
// copied. On X11 (and through Xwayland) Qt reads the primary selection or
// the clipboard; a Wayland compositor hands them only to the focused
// program, so there wl-paste (wl-clipboard) asks for them, with the
// clipboard standing in where the compositor keeps no primary selection.
class SelectionText
{
public:
    enum class Source { Selection, Clipboard };

    struct Result
    {
        QString text;   // empty when nothing could be read
        QString error;  // why, for the user; empty when text was read
    };

    // Needs a QGuiApplication on X11 (the primary selection is Qt's), a
    // QCoreApplication on Wayland. Waits up to ten seconds for wl-paste.
    static Result read(Source source);

    // What read() would do, by the environment: on Wayland with wl-paste,
    // through wl-paste; else through the X display when there is one.
    enum class Way { WlPaste, X11, None };
    static Way way();
};
