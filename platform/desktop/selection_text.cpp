#include "desktop/selection_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString wlPaste()
{
    return QStandardPaths::findExecutable(QStringLiteral("wl-paste"));
}

// What the selection holds on X11, or why it cannot be read.
SelectionText::Result readX11(SelectionText::Source source)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {QString(), QStringLiteral("no X display to read the selection from")};
    const bool selection = source == SelectionText::Source::Selection && clipboard->supportsSelection();
    return {clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard), QString()};
}

SelectionText::Result noWay()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {QString(), QStringLiteral("on Wayland the selection is read by wl-paste: install wl-clipboard")};
    return {QString(), QStringLiteral("no desktop to read the selection from (neither WAYLAND_DISPLAY nor DISPLAY is set)")};
}

}  // namespace

SelectionText::Way SelectionText::way()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !wlPaste().isEmpty())
        return Way::WlPaste;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return Way::X11;
    return Way::None;
}

SelectionText::SelectionText(QObject *parent)
    : QObject(parent)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(10000);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        if (!m_process)
            return;
        m_timedOut = true;
        m_process->kill();  // finished() follows and ends the read
    });
}

SelectionText::~SelectionText()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

void SelectionText::read(Source source)
{
    if (m_reading)
        return;
    m_reading = true;
    switch (way()) {
    case Way::WlPaste:
        startWlPaste(source == Source::Selection);
        return;
    case Way::X11: {
        // Qt's own clipboard answers without an event loop of ours.
        const Result result = readX11(source);
        QMetaObject::invokeMethod(this, [this, result] { finish(result); }, Qt::QueuedConnection);
        return;
    }
    case Way::None:
        break;
    }
    QMetaObject::invokeMethod(this, [this] { finish(noWay()); }, Qt::QueuedConnection);
}

void SelectionText::startWlPaste(bool primary)
{
    m_primary = primary;
    m_timedOut = false;
    QStringList arguments{QStringLiteral("--no-newline"), QStringLiteral("--type"), QStringLiteral("text")};
    if (primary)
        arguments << QStringLiteral("--primary");
    m_process = new QProcess(this);
    // Not started (finished() then never comes) or ended: either ends the run.
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            wlPasteEnded();
    });
    connect(m_process, &QProcess::finished, this, &SelectionText::wlPasteEnded);
    m_limit.start();
    m_process->start(wlPaste(), arguments);
}

void SelectionText::wlPasteEnded()
{
    m_limit.stop();
    QProcess *process = m_process;
    m_process = nullptr;
    process->deleteLater();
    process->disconnect(this);

    Result result;
    if (m_timedOut) {
        result.error = QStringLiteral("wl-paste gave no answer");
    } else if (process->error() == QProcess::FailedToStart) {
        result.error = QStringLiteral("wl-paste could not be started: %1").arg(process->errorString());
    } else if (process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) {
        const QString error = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
        // "No selection", "Nothing is copied": an empty answer, not a fault.
        const bool empty = error.startsWith(QLatin1String("No selection"), Qt::CaseInsensitive)
                           || error.startsWith(QLatin1String("Nothing is copied"), Qt::CaseInsensitive)
                           || error.startsWith(QLatin1String("No suitable type"), Qt::CaseInsensitive);
        if (!empty)
            result.error = error.isEmpty() ? QStringLiteral("wl-paste failed") : error;
    } else {
        result.text = QString::fromUtf8(process->readAllStandardOutput());
    }
    // "The compositor does not seem to support primary selection": what the
    // user copied is the nearest thing to what they selected.
    if (m_primary && result.text.isEmpty() && result.error.contains(QLatin1String("support"), Qt::CaseInsensitive)) {
        startWlPaste(false);
        return;
    }
    finish(result);
}

void SelectionText::finish(const Result &result)
{
    m_reading = false;
    emit finished(result);
}
