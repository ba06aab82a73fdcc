#include "app/window_options.h"

#include <QSettings>
#include <QStandardPaths>

QString WindowOptions::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/options.ini");
}

bool WindowOptions::flag(const QString &key, bool byDefault) const
{
    if (m_file.isEmpty())
        return byDefault;
    return QSettings(m_file, QSettings::IniFormat).value(key, byDefault).toBool();
}

void WindowOptions::setFlag(const QString &key, bool on) const
{
    if (m_file.isEmpty())
        return;
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(key, on);
    settings.sync();
}
