#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include "desktop/selection_text.h"

class GlobalShortcut;
class SayoraMain;

// The key that has the running window read the text selected in any
// program: Ctrl+Alt+S unless "options.ini" names another under
// Shortcuts/ReadSelection (an empty value turns it off). Pressed, the
// selection (or, where the desktop keeps none, the clipboard) replaces the
// text box's text and is read from its start, as if typed in and Speak
// clicked.
//
// Where the desktop gives no global key, the window says so once (the
// option Shortcuts/ToldUnavailable then remembers it), and the desktop's
// own keyboard settings can run sayora-selection instead. On platforms
// without a desktop (offscreen) it does nothing.
class SelectionKey : public QObject
{
    Q_OBJECT
public:
    SelectionKey(SayoraMain *window, const QString &optionsFile);

    static QKeySequence defaultKeys() { return QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S); }
    // The key the options file sets (the default when it sets none).
    static QKeySequence keysFromOptions(const QString &optionsFile);

    GlobalShortcut *shortcut() const { return m_shortcut; }
    SelectionText *selection() const { return m_selection; }

    // Reads the selection into the window, as the key does: starts the read
    // and returns; the window takes the text once the owner of the selection
    // has handed it over, and answers the user meanwhile.
    void readSelection();

signals:
    // The key could not be had; `message` is what the window showed (or
    // would have shown, had it not said so before).
    void unavailable(const QString &message);

private:
    void settled();
    void selectionRead(const SelectionText::Result &selection);

    SayoraMain *m_window;
    QString m_optionsFile;
    QKeySequence m_keys;
    GlobalShortcut *m_shortcut = nullptr;
    SelectionText *m_selection;
};
