#pragma once

// Saving the window's text as a user does, for the export benchmarks: Save,
// the type chosen and the name typed in the Save dialog, then the completion
// window closed.

#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "bench_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <functional>

#include <limits>

namespace bench {

// Calls `shown` with each widget as it shows.
class ShownWatch : public QObject
{
public:
    explicit ShownWatch(std::function<void(QWidget *)> shown)
        : m_shown(std::move(shown))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            m_shown(static_cast<QWidget *>(watched));
        return false;
    }

private:
    std::function<void(QWidget *)> m_shown;
};

// Returns the milliseconds from the Save dialog's closing (its own time is
// not the export's) to the completion window, or -1 when the export ended
// without one. `clock`, when given, is the one that runs from that moment.
inline double saveThroughWindow(SayoraMain &window, const QString &filter, const QString &target,
                                QElapsedTimer *clock = nullptr)
{
    QElapsedTimer own;
    QElapsedTimer &started = clock ? *clock : own;
    started.invalidate();
    bool done = false;
    // The Save dialog is answered from a timer (it runs in a loop of its
    // own); once it is, nothing here wakes this process while the export
    // runs, which would take time from what is measured, until the
    // completion window shows.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            answer.stop();
            dialog->selectNameFilter(filter);
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
            started.start();
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    ShownWatch ended([&](QWidget *shown) {
        if (auto *end = dynamic_cast<Mp3End *>(shown); end && started.isValid() && !done) {
            done = true;
            QMetaObject::invokeMethod(end, "accept", Qt::QueuedConnection);
        }
    });
    answer.start(1);
    window.saveClick();
    // An export that ends without a completion window is seen at a tick.
    waitUntil([&] { return done || (!window.exporter()->running() && started.isValid()); },
              std::numeric_limits<int>::max(), 100);
    const double ms = started.nsecsElapsed() / 1e6;
    QCoreApplication::processEvents();
    return done ? ms : -1;
}

}  // namespace bench
