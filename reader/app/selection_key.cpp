#include "app/selection_key.h"

#include "app/sayora_main.h"
#include "desktop/global_shortcut.h"

#include <QGuiApplication>
#include <QSettings>

namespace {

const QString keyOption = QStringLiteral("Shortcuts/ReadSelection");
const QString toldOption = QStringLiteral("Shortcuts/ToldUnavailable");

}  // namespace

QKeySequence SelectionKey::keysFromOptions(const QString &optionsFile)
{
    if (optionsFile.isEmpty())
        return defaultKeys();
    const QSettings options(optionsFile, QSettings::IniFormat);
    if (!options.contains(keyOption))
        return defaultKeys();
    return QKeySequence::fromString(options.value(keyOption).toString(), QKeySequence::PortableText);
}

SelectionKey::SelectionKey(SayoraMain *window, const QString &optionsFile)
    : QObject(window)
    , m_window(window)
    , m_optionsFile(optionsFile)
    , m_keys(keysFromOptions(optionsFile))
    , m_selection(new SelectionText(this))
{
    connect(m_selection, &SelectionText::finished, this, &SelectionKey::selectionRead);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") || m_keys.isEmpty())
        return;
    m_shortcut = new GlobalShortcut(this);
    connect(m_shortcut, &GlobalShortcut::activated, this, &SelectionKey::readSelection);
    connect(m_shortcut, &GlobalShortcut::settled, this, &SelectionKey::settled);
    m_shortcut->start(QStringLiteral("read-selection"), tr("Read the selected text aloud"), m_keys);
}

void SelectionKey::readSelection()
{
    m_selection->read(SelectionText::Source::Selection);
}

void SelectionKey::selectionRead(const SelectionText::Result &selection)
{
    if (selection.text.trimmed().isEmpty())
        return;  // nothing selected: the text box keeps the user's text
    m_window->readText(selection.text);
}

void SelectionKey::settled()
{
    if (m_shortcut->way() != GlobalShortcut::Way::None)
        return;
    const QString message = tr("%1 cannot read the selection from other programs here (%2). "
                               "Bind sayora-selection to a key in the desktop's keyboard settings instead.")
                                .arg(m_keys.toString(QKeySequence::NativeText), m_shortcut->problem());
    qInfo("sayora: %s", qPrintable(message));
    bool told = false;
    if (!m_optionsFile.isEmpty()) {
        QSettings options(m_optionsFile, QSettings::IniFormat);
        told = options.value(toldOption, false).toBool();
        options.setValue(toldOption, true);
    }
    if (!told)
        m_window->showNote(message);
    emit unavailable(message);
}
