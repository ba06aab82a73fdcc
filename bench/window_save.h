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

#include <limits>

namespace bench {

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
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->selectNameFilter(filter);
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
            started.start();
            QMetaObject::invokeMethod(dialog, "accept");
        } else if (auto *end = dynamic_cast<Mp3End *>(modal)) {
            done = true;
            end->accept();
        }
    });
    answer.start(1);
    window.saveClick();
    waitUntil([&] { return done || (!window.exporter()->running() && started.isValid()); },
              std::numeric_limits<int>::max());
    QCoreApplication::processEvents();
    return done ? started.nsecsElapsed() / 1e6 : -1;
}

}  // namespace bench
