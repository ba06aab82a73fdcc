#pragma once

#include <QString>

// The window's choices that the settings record has no field for (its fields
// are fixed, and older versions read it): kept in "options.ini" beside the
// settings file, one key each. An empty path keeps them for the session only.
class WindowOptions
{
public:
    explicit WindowOptions(const QString &file = defaultPath()) : m_file(file) {}
    static QString defaultPath();

    bool flag(const QString &key, bool byDefault) const;
    void setFlag(const QString &key, bool on) const;

    // The keys, named in one place.
    static QString switchLanguagesKey() { return QStringLiteral("Reading/SwitchLanguages"); }
    static QString showSentenceKey() { return QStringLiteral("Reading/ShowSentence"); }

private:
    QString m_file;
};
