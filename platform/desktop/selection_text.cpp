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

// One wl-paste run: its text, or an empty one with why it gave none.
SelectionText::Result runWlPaste(bool primary)
{
    QStringList arguments{QStringLiteral("--no-newline"), QStringLiteral("--type"), QStringLiteral("text")};
    if (primary)
        arguments << QStringLiteral("--primary");
    QProcess process;
    process.start(wlPaste(), arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {QString(), QStringLiteral("wl-paste gave no answer")};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        // "No selection", "Nothing is copied": an empty answer, not a fault.
        if (error.startsWith(QLatin1String("No selection"), Qt::CaseInsensitive)
            || error.startsWith(QLatin1String("Nothing is copied"), Qt::CaseInsensitive)
            || error.startsWith(QLatin1String("No suitable type"), Qt::CaseInsensitive))
            return {};
        return {QString(), error.isEmpty() ? QStringLiteral("wl-paste failed") : error};
    }
    return {QString::fromUtf8(process.readAllStandardOutput()), QString()};
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

SelectionText::Result SelectionText::read(Source source)
{
    switch (way()) {
    case Way::WlPaste: {
        if (source == Source::Clipboard)
            return runWlPaste(false);
        Result primary = runWlPaste(true);
        // "Primary selection is not supported" by this compositor: what the
        // user copied is the nearest thing to what they selected.
        if (primary.text.isEmpty() && primary.error.contains(QLatin1String("not supported"), Qt::CaseInsensitive))
            return runWlPaste(false);
        return primary;
    }
    case Way::X11: {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return {QString(), QStringLiteral("no X display to read the selection from")};
        const bool selection = source == Source::Selection && clipboard->supportsSelection();
        return {clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard), QString()};
    }
    case Way::None:
        break;
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {QString(), QStringLiteral("on Wayland the selection is read by wl-paste: install wl-clipboard")};
    return {QString(), QStringLiteral("no desktop to read the selection from (neither WAYLAND_DISPLAY nor DISPLAY is set)")};
}
