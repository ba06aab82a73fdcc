#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QProcess;

// The text the user has selected in any program of the desktop, or has
// copied. On X11 (and through Xwayland) Qt reads the primary selection or
// the clipboard; a Wayland compositor hands them only to the focused
// program, so there wl-paste (wl-clipboard) asks for them, with the
// clipboard standing in where the compositor keeps no primary selection.
//
// The program that owns the selection answers when it likes, or never:
// reading never waits on it. read() returns at once and finished() comes
// later from the event loop (never from inside read()); a wl-paste that has
// not answered within the answer limit is ended and the read fails. Lives
// on the thread that calls read(); needs a QGuiApplication on X11 (the
// primary selection is Qt's), a QCoreApplication on Wayland.
class SelectionText : public QObject
{
    Q_OBJECT
public:
    enum class Source { Selection, Clipboard };

    struct Result
    {
        QString text;   // empty when nothing could be read
        QString error;  // why, for the user; empty when text was read
    };

    // How read() reads, by the environment: on Wayland with wl-paste,
    // through wl-paste; else through the X display when there is one.
    enum class Way { WlPaste, X11, None };
    static Way way();

    explicit SelectionText(QObject *parent = nullptr);
    ~SelectionText() override;  // ends a wl-paste still running

    // Starts a read. Asked again while one is under way, the running read
    // answers for both: finished() comes once.
    void read(Source source);
    bool isReading() const { return m_reading; }

    // Ten seconds unless set.
    void setAnswerLimit(int milliseconds) { m_limit.setInterval(milliseconds); }

signals:
    void finished(const SelectionText::Result &result);

private:
    void startWlPaste(bool primary);
    void wlPasteEnded();
    void finish(const Result &result);

    QProcess *m_process = nullptr;  // the wl-paste running, if any
    QTimer m_limit;
    bool m_primary = false;  // the running wl-paste asks for the primary selection
    bool m_reading = false;
    bool m_timedOut = false;
};
